// A fresh folder for a test's files, removed with everything in it afterwards,
// and the small file reads the file tests share.
#pragma once

#include <string>

class ScratchFolder {
 public:
  explicit ScratchFolder(const char* pattern);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Empty when the folder could not be made.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The whole file; empty when it cannot be read.
std::string ReadAll(const std::string& path);
// How many entries a folder holds; -1 when it cannot be read.
int EntriesIn(const std::string& folder);
