// Writing a whole file so that a reader finds the old contents or the new,
// never a part, and a failure leaves nothing behind.
#pragma once

#include <cstddef>
#include <string>

// What to do with a symbolic link whose target does not exist.
enum class DanglingLink {
  kReplace,       // the link gives way to a plain file: nothing is written where it points
  kCreateTarget,  // the target is created, in its folder if that exists, and the link stays
};

// Replaces the file at path with data: a temporary file beside the real file
// (a symbolic link is followed to its target and stays a link), every write
// checked, synced and closed, then renamed over it. An existing file keeps its
// permission bits but never set-user-ID, set-group-ID or sticky; a new one gets
// the usual 0666 less the umask. A target that is not a regular file (a device,
// a pipe) cannot be replaced, so it is written in place. A file-size limit fails
// the write (the program ignores SIGXFSZ from the first call on). On failure
// the old file is as it was, no temporary file is left, and reason says why.
bool ReplaceFile(const std::string& path, const void* data, std::size_t size, std::string& reason,
                 DanglingLink dangling = DanglingLink::kReplace);

// Creates the folder that the file at path goes in, with its parents, as the
// user's own (0700): the user's settings are nobody else's business. On
// failure error names the folder and says why.
bool CreateFolderOf(const std::string& path, std::string& error);
