// The settings dialog is a program of its own, vorn-settings, so that the
// drawing program never loads GTK. vorn hands /c over to it.
#pragma once

#include "shell/linux/program_call.h"

// Takes /c (and no switch at all): replaces this process with the dialog
// program, which reads the same arguments. Returns only when that fails:
// says why in one line and gives the exit code 1.
std::optional<int> RunSettingsDialog(const ProgramCall& call);
