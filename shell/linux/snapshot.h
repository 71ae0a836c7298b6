// Renders a chosen moment of the scene off-screen and writes it as a PNG,
// through EGL on Mesa's surfaceless platform: no display server is needed.
#pragma once

#include "shell/snapshot_options.h"

// Returns the process exit code: 0 written, 1 failed.
int RunSnapshot(const SnapshotOptions& options);
