// Start-up of the real drawing program, launched as a host launches it: the
// milliseconds from launch to each traced step (reaching main, the display,
// on Wayland its globals, the GL context, on Wayland the first configure and
// the EGL surface, each texture, the first frame and first swap).
#pragma once

#include <X11/Xlib.h>

// Prints the median and range of several runs of `vorn /s` on the whole
// screen, beside the same on the Wayland compositor whose socket
// VORN_BENCH_WAYLAND_DISPLAY names, if set; and of `vorn /p` in a 152x112
// window of the bench's own.
void ReportStartup(Display* display, const char* vorn);
