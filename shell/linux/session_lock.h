// One process of a kind per login session: a lock named after the kind, in
// $XDG_RUNTIME_DIR (which belongs to the session's user), held as long as the
// process lives and let go by the system when it ends, however it ends.
#pragma once

#include <sys/types.h>

// Takes the lock `name` for the rest of this process's life. False when
// another process holds it. True when taken, and also when there is no runtime
// folder or the lock cannot be made there: nothing then tells one session's
// processes from another's, so the caller goes ahead.
bool TakeSessionLock(const char* name);

// The process that holds the lock `name`, or 0 when none does. For other
// processes than the holder: asking from the holder would let its lock go.
pid_t SessionLockHolder(const char* name);
