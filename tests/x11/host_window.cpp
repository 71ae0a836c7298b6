// A stand-in for a host's window in the X11 tests.
//   host_window WIDTH HEIGHT [--no-depth]  maps a window, prints its id in
//       decimal, and keeps it until the process is killed (which destroys it);
//       --no-depth gives it a double-buffered GL visual without a depth buffer.
//   host_window --depth-of ID  prints the depth-buffer bits of that window's visual.
//   host_window --count-frames ID SECONDS  prints how many times that window
//       was drawn on in that time: one buffer swap is one drawing.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
int GlxValue(Display* display, XVisualInfo& visual, int attribute) {
  int value = 0;
  return glXGetConfig(display, &visual, attribute, &value) == 0 ? value : -1;
}

// A visual that OpenGL can draw on with double buffering but no depth buffer.
bool FindVisualWithoutDepth(Display* display, XVisualInfo& chosen) {
  XVisualInfo pattern{};
  pattern.screen = DefaultScreen(display);
  int count = 0;
  XVisualInfo* visuals = XGetVisualInfo(display, VisualScreenMask, &pattern, &count);
  bool found = false;
  for (int i = 0; i < count && !found; ++i) {
    if (GlxValue(display, visuals[i], GLX_USE_GL) == 1 &&
        GlxValue(display, visuals[i], GLX_RGBA) == 1 &&
        GlxValue(display, visuals[i], GLX_DOUBLEBUFFER) == 1 &&
        GlxValue(display, visuals[i], GLX_DEPTH_SIZE) == 0 && visuals[i].depth == 24) {
      chosen = visuals[i];
      found = true;
    }
  }
  if (visuals != nullptr) XFree(visuals);
  return found;
}

int PrintDepthOf(Display* display, Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return 1;
  XVisualInfo pattern{};
  pattern.visualid = XVisualIDFromVisual(attributes.visual);
  int count = 0;
  XVisualInfo* visual = XGetVisualInfo(display, VisualIDMask, &pattern, &count);
  if (visual == nullptr) return 1;
  std::printf("%d\n", GlxValue(display, *visual, GLX_DEPTH_SIZE));
  XFree(visual);
  return 0;
}

// Each drawing request reports its own damage; a report in several parts
// counts once, at its last part.
int CountFrames(Display* display, Window window, int seconds) {
  int eventBase = 0;
  int errorBase = 0;
  if (!XDamageQueryExtension(display, &eventBase, &errorBase)) return 1;
  XDamageCreate(display, window, XDamageReportRawRectangles);
  XSync(display, False);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int frames = 0;
  while (std::chrono::steady_clock::now() < end) {
    if (XPending(display) == 0) {
      pollfd connection{ConnectionNumber(display), POLLIN, 0};
      poll(&connection, 1, 10);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == eventBase + XDamageNotify &&
        !reinterpret_cast<XDamageNotifyEvent&>(event).more) {
      ++frames;
    }
  }
  std::printf("%d\n", frames);
  return 0;
}

int KeepWindow(Display* display, int width, int height, bool noDepth) {
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  XVisualInfo visual{};
  visual.visual = DefaultVisual(display, screen);
  visual.depth = DefaultDepth(display, screen);
  if (noDepth && !FindVisualWithoutDepth(display, visual)) {
    std::fputs("host_window: no GL visual without a depth buffer\n", stderr);
    return 1;
  }
  XSetWindowAttributes attributes{};
  attributes.colormap = XCreateColormap(display, root, visual.visual, AllocNone);
  attributes.background_pixel = 0;
  attributes.border_pixel = 0;
  const Window window =
      XCreateWindow(display, root, 0, 0, static_cast<unsigned>(width),
                    static_cast<unsigned>(height), 0, visual.depth, InputOutput, visual.visual,
                    CWColormap | CWBackPixel | CWBorderPixel, &attributes);
  XStoreName(display, window, "host_window");
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("%lu\n", window);
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
  }
}
}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("host_window: cannot open the X display\n", stderr);
    return 1;
  }
  if (argc == 3 && std::strcmp(argv[1], "--depth-of") == 0) {
    return PrintDepthOf(display, std::strtoul(argv[2], nullptr, 0));
  }
  if (argc == 4 && std::strcmp(argv[1], "--count-frames") == 0) {
    return CountFrames(display, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]));
  }
  if (argc == 3 || (argc == 4 && std::strcmp(argv[3], "--no-depth") == 0)) {
    return KeepWindow(display, std::atoi(argv[1]), std::atoi(argv[2]), argc == 4);
  }
  std::fputs(
      "usage: host_window WIDTH HEIGHT [--no-depth] | --depth-of ID"
      " | --count-frames ID SECONDS\n",
      stderr);
  return 2;
}
