// The Linux entry: the scene in a window, full-screen, or rendered to a PNG.
#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/snapshot_options.h"
#include "shell/x11/snapshot.h"
#include "shell/x11/viewer.h"

namespace {
constexpr int kUsageError = 2;

// freeglut's shapes end the process unless glutInit has run.
void InitGlut() {
  int argc = 1;
  char name[] = "vorn";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
}

Display* OpenDisplay() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = std::getenv("DISPLAY");
    std::fprintf(stderr, "vorn: cannot open the X display \"%s\"\n", name ? name : "");
  }
  return display;
}
}  // namespace

int main(int argc, char** argv) {
  const bool snapshot = argc >= 2 && std::strcmp(argv[1], "--snapshot") == 0;
  const bool fullScreen =
      argc == 2 && (std::strcmp(argv[1], "/s") == 0 || std::strcmp(argv[1], "-s") == 0);
  SnapshotOptions options;
  if (snapshot) {
    std::string error;
    if (!ParseSnapshotOptions(argc - 2, argv + 2, options, error)) {
      std::fprintf(stderr, "vorn: %s\n", error.c_str());
      return kUsageError;
    }
  } else if (argc > 1 && !fullScreen) {
    std::fprintf(stderr, "vorn: unknown argument: %s\n", argv[1]);
    return kUsageError;
  }

  Display* display = OpenDisplay();
  if (display == nullptr) return 1;
  InitGlut();
  const int status = snapshot ? RunSnapshot(display, options) : RunViewer(display, fullScreen);
  XCloseDisplay(display);
  return status;
}
