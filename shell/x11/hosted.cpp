// Choosing where to draw for a host, and drawing until the host is done.
#include "shell/x11/hosted.h"

#include "shell/linux/stop_signals.h"
#include "shell/saver_run.h"
#include "shell/x11/foreign_window.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/x_backend.h"

namespace {
// A window of our own configuration that covers the host's window, for hosts
// whose visual has no depth buffer. Input passes through it to the host. Over
// the root window it is a top-level window, which no window manager may frame.
std::unique_ptr<GlxSurface> CoverHostWindow(Display* display, Window host,
                                            const XWindowAttributes& attributes) {
  auto surface = GlxSurface::ForNewWindow(display, host, attributes.width, attributes.height,
                                          {attributes.root == host, StructureNotifyMask});
  if (!surface) return nullptr;
  XMapWindow(display, surface->window());
  return surface;
}
}  // namespace

int RunHosted(Display* display, Window host, ScreenSaver& saver, RunPacing pacing) {
  XWindowAttributes attributes{};
  if (!InspectForeignWindow(display, host, "to draw on", attributes)) return 0;
  XSelectInput(display, host, StructureNotifyMask);
  auto surface = GlxSurface::ForExistingWindow(display, host, attributes);
  const bool covering = !surface;
  if (covering) surface = CoverHostWindow(display, host, attributes);
  if (!surface) return 0;

  // The picture keeps the size it starts with, as in every mode; a covering
  // window follows the host's size so that nothing of the host shows through.
  // Like a preview, it never closes on input.
  SaverRun run(SaverMode::kPreview, saver, pacing);
  XBackend backend(*surface, run, [&](XEvent& event) {
    if (event.type == DestroyNotify) {
      surface->ForgetWindow();
      return false;
    }
    if (covering && event.type == ConfigureNotify && event.xconfigure.window == host) {
      XResizeWindow(display, surface->window(), static_cast<unsigned>(event.xconfigure.width),
                    static_cast<unsigned>(event.xconfigure.height));
    }
    return true;
  });
  run.Run(backend, StopRequested);
  return 0;
}
