// Creating the saver window, binding it to the saver, and running its loop.
#include "shell/x11/saver_window.h"

#include <X11/XKBlib.h>

#include <cstdio>

#include "shell/linux/linux_platform.h"
#include "shell/linux/stop_signals.h"
#include "shell/x11/foreign_window.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/input_grab.h"
#include "shell/x11/saver_input.h"
#include "shell/x11/x_backend.h"

namespace {
constexpr int kOrdinaryWidth = 1280;
constexpr int kOrdinaryHeight = 720;
constexpr int kCannotTakeInput = 1;
constexpr long kSaverEvents = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                              PointerMotionMask | StructureNotifyMask | FocusChangeMask;

struct WindowPlan {
  Window parent = 0;
  int width = 0;
  int height = 0;
};

bool PlanWindow(Display* display, SaverPlacement placement, Window parent, WindowPlan& plan) {
  const int screen = DefaultScreen(display);
  switch (placement) {
    case SaverPlacement::kCoverScreen:
      plan = {RootWindow(display, screen), DisplayWidth(display, screen),
              DisplayHeight(display, screen)};
      return true;
    case SaverPlacement::kOrdinaryWindow:
      plan = {RootWindow(display, screen), kOrdinaryWidth, kOrdinaryHeight};
      return true;
    case SaverPlacement::kInsideParent: {
      XWindowAttributes attributes{};
      if (!InspectForeignWindow(display, parent, "to show the preview in", attributes)) {
        return false;
      }
      plan = {parent, attributes.width, attributes.height};
      return true;
    }
  }
  return false;
}

// Keeps the actions bound to the window for as long as it exists.
class ActionsBinding {
 public:
  ActionsBinding(WindowActions& actions, Display* display, Window window, SaverMode mode,
                 const ScreenSaver& saver)
      : actions_(actions) {
    actions_.Bind(display, window, mode, saver);
  }
  ~ActionsBinding() { actions_.Unbind(); }
  ActionsBinding(const ActionsBinding&) = delete;
  ActionsBinding& operator=(const ActionsBinding&) = delete;

 private:
  WindowActions& actions_;
};
}  // namespace

int RunSaverWindow(Display* display, ScreenSaver& saver, WindowActions& actions,
                   SaverPlacement placement, Window parent, RunPacing pacing) {
  const SaverMode mode =
      placement == SaverPlacement::kInsideParent ? SaverMode::kPreview : SaverMode::kFullScreen;
  WindowPlan plan;
  if (!PlanWindow(display, placement, parent, plan)) return 0;
  const auto surface =
      GlxSurface::ForNewWindow(display, plan.parent, plan.width, plan.height,
                               {placement == SaverPlacement::kCoverScreen, kSaverEvents});
  if (!surface) return 0;
  // A screen covered without the keyboard and the pointer could not be woken
  // from, so it is never covered: the grabs are taken first, on the root.
  if (placement == SaverPlacement::kCoverScreen && !TakeKeyboardAndPointer(display, plan.parent)) {
    std::fputs("vorn: cannot take the keyboard and the pointer: another program holds them\n",
               stderr);
    return kCannotTakeInput;
  }
  const Window window = surface->window();
  XStoreName(display, window, "vorn");
  saver.startTick = TickCount();
  ActionsBinding binding(actions, display, window, mode, saver);
  actions.RefreshCursor();

  Atom deleteWindow = 0;
  if (placement == SaverPlacement::kOrdinaryWindow) {
    deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
  }
  XMapRaised(display, window);

  // A held key then repeats its presses without releases between them, which
  // tells its repeats apart from new presses.
  XkbSetDetectableAutoRepeat(display, True, nullptr);
  SaverRun run(mode, saver, pacing);
  SaverInput input(run, actions.closeMessage(), deleteWindow);
  XBackend backend(*surface, run, [&](XEvent& event) {
    // An override-redirect window gets no focus from a window manager: it
    // takes the focus itself once it is visible.
    if (event.type == MapNotify && placement == SaverPlacement::kCoverScreen) {
      XSetInputFocus(display, window, RevertToParent, CurrentTime);
    }
    if (event.type == DestroyNotify) {
      surface->ForgetWindow();
      return false;
    }
    return input.Handle(event);
  });
  run.Run(backend, StopRequested);
  return 0;
}
