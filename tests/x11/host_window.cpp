// A stand-in for a host's window in the X11 tests.
//   host_window WIDTH HEIGHT [--no-depth | --input-only]  maps a window,
//       prints its id in decimal, and keeps it until the process is killed
//       (which destroys it); --no-depth gives it a double-buffered GL visual
//       without a depth buffer, --input-only makes it a window nothing can draw on.
//   host_window --depth-of ID  prints the depth-buffer bits of that window's visual.
//   host_window --hold-grabs  takes the keyboard and the pointer, prints
//       "grabbed", and holds them until the process is killed.
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

// Keeps the connection, and with it what it holds, until the process is killed.
[[noreturn]] void ServeForever(Display* display) {
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
  }
}

enum class HostKind { kPlain, kNoDepth, kInputOnly };

bool HostKindNamed(const char* word, HostKind& kind) {
  if (std::strcmp(word, "--no-depth") == 0) kind = HostKind::kNoDepth;
  if (std::strcmp(word, "--input-only") == 0) kind = HostKind::kInputOnly;
  return kind != HostKind::kPlain;
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

int KeepWindow(Display* display, int width, int height, HostKind kind) {
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  XVisualInfo visual{};
  visual.visual = DefaultVisual(display, screen);
  visual.depth = DefaultDepth(display, screen);
  if (kind == HostKind::kNoDepth && !FindVisualWithoutDepth(display, visual)) {
    std::fputs("host_window: no GL visual without a depth buffer\n", stderr);
    return 1;
  }
  XSetWindowAttributes attributes{};
  attributes.colormap = XCreateColormap(display, root, visual.visual, AllocNone);
  attributes.background_pixel = 0;
  attributes.border_pixel = 0;
  const bool inputOnly = kind == HostKind::kInputOnly;
  const Window window = XCreateWindow(
      display, root, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
      inputOnly ? 0 : visual.depth, inputOnly ? InputOnly : InputOutput, visual.visual,
      inputOnly ? 0 : CWColormap | CWBackPixel | CWBorderPixel, &attributes);
  XStoreName(display, window, "host_window");
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("%lu\n", window);
  std::fflush(stdout);
  ServeForever(display);
}

int HoldGrabs(Display* display) {
  const Window root = DefaultRootWindow(display);
  if (XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime) !=
          GrabSuccess ||
      XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None,
                   CurrentTime) != GrabSuccess) {
    std::fputs("host_window: cannot take the keyboard and the pointer\n", stderr);
    return 1;
  }
  XSync(display, False);
  std::puts("grabbed");
  std::fflush(stdout);
  ServeForever(display);
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
  if (argc == 2 && std::strcmp(argv[1], "--hold-grabs") == 0) return HoldGrabs(display);
  if (argc == 4 && std::strcmp(argv[1], "--count-frames") == 0) {
    return CountFrames(display, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]));
  }
  HostKind kind = HostKind::kPlain;
  if (argc == 3 || (argc == 4 && HostKindNamed(argv[3], kind))) {
    return KeepWindow(display, std::atoi(argv[1]), std::atoi(argv[2]), kind);
  }
  std::fputs(
      "usage: host_window WIDTH HEIGHT [--no-depth | --input-only] | --depth-of ID | "
      "--hold-grabs | --count-frames ID SECONDS\n",
      stderr);
  return 2;
}
