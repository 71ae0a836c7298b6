// The one line said when a drawing launch finds no display server, naming
// each one that was tried.
#pragma once

#include "shell/launch_options.h"

constexpr int kNoDisplay = 1;

void ReportNoDisplay(const LaunchOptions& launch);
