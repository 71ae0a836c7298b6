#include "shell/x11/viewer.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "scene/sky.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/linux_platform.h"

namespace {
constexpr int kWindowedWidth = 1280;
constexpr int kWindowedHeight = 720;

struct Drag {
  bool left = false;
  bool right = false;
  int lastX = 0;
  int lastY = 0;
};

// Handles one event; false when the viewer is to end.
bool HandleEvent(const XEvent& event, Atom deleteWindow, Drag& drag) {
  switch (event.type) {
    case KeyPress: {
      XKeyEvent key = event.xkey;
      const KeySym symbol = XLookupKeysym(&key, 0);
      if (symbol == XK_Return || symbol == XK_KP_Enter) ToggleDaylight();
      return symbol != XK_Escape;
    }
    case ButtonPress:
    case ButtonRelease: {
      const bool pressed = event.type == ButtonPress;
      if (event.xbutton.button == Button1) drag.left = pressed;
      if (event.xbutton.button == Button3) drag.right = pressed;
      if (pressed) {
        drag.lastX = event.xbutton.x_root;
        drag.lastY = event.xbutton.y_root;
      }
      return true;
    }
    case MotionNotify: {
      const int dx = event.xmotion.x_root - drag.lastX;
      const int dy = event.xmotion.y_root - drag.lastY;
      if (drag.left) {
        RotateView(dx, dy);
      } else if (drag.right) {
        ZoomView(dx, dy);
      }
      drag.lastX = event.xmotion.x_root;
      drag.lastY = event.xmotion.y_root;
      return true;
    }
    case ClientMessage:
      return static_cast<Atom>(event.xclient.data.l[0]) != deleteWindow;
    case DestroyNotify:
      return false;
    default:
      return true;
  }
}
}  // namespace

int RunViewer(Display* display, bool fullScreen) {
  const int screen = DefaultScreen(display);
  const int width = fullScreen ? DisplayWidth(display, screen) : kWindowedWidth;
  const int height = fullScreen ? DisplayHeight(display, screen) : kWindowedHeight;
  auto surface = GlxSurface::ForNewWindow(display, width, height, fullScreen);
  if (!surface) return 1;
  XStoreName(display, surface->window(), "vorn");
  Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, surface->window(), &deleteWindow, 1);

  LinuxPlatform platform;
  InstallScenePlatform(platform);
  SeedRandom(StartupSeed());
  detailLevel = 2;
  fullSizeTextures = 1;
  SetupView(width, height);
  XMapRaised(display, surface->window());
  if (fullScreen) {
    // An override-redirect window gets no focus from a window manager: take the keyboard.
    XSync(display, False);
    XGrabKeyboard(display, surface->window(), True, GrabModeAsync, GrabModeAsync, CurrentTime);
  }

  Drag drag;
  for (;;) {
    // Input first: a frame is drawn only when no event is waiting.
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (!HandleEvent(event, deleteWindow, drag)) return 0;
    }
    DrawFrame();
    surface->SwapBuffers();
  }
}
