// Readings on a GLib timer, spaced by IdleTimeFollower; the connection's
// socket is watched too, so that a server gone away is noticed at once.
#include "shell/linux/idle/x11_idle.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <glib-unix.h>
#include <glib.h>

#include <cstdlib>

#include "shell/linux/idle/idle_time_follower.h"

namespace {
// Xlib ends the process after its handler for a lost connection: the handler
// ends the session first.
IdleListener* sessionListener = nullptr;

int OnConnectionLost(Display*) {
  if (sessionListener != nullptr) sessionListener->OnSessionEnded();
  std::exit(0);
}

// XScreenSaver marks a window of its own with this property, as its commands find it.
bool XScreenSaverRuns(Display* display) {
  const Atom version = XInternAtom(display, "_SCREENSAVER_VERSION", True);
  if (version == None) return false;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
    return false;
  }
  bool found = false;
  for (unsigned int at = 0; at < count && !found; ++at) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, children[at], version, 0, 0, False, XA_STRING, &type, &format,
                           &items, &after, &value) == Success) {
      found = type != None;
      if (value != nullptr) XFree(value);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

class X11IdleSource : public IdleSource {
 public:
  X11IdleSource(Display* display, std::uint32_t thresholdMs, IdleListener& listener)
      : display_(display), follower_(thresholdMs), listener_(listener) {
    info_ = XScreenSaverAllocInfo();
  }
  ~X11IdleSource() override;

  void Begin();

 private:
  void Read();
  static gboolean OnTimer(gpointer data);
  static gboolean OnSocket(gint, GIOCondition, gpointer data);

  Display* display_;
  IdleTimeFollower follower_;
  IdleListener& listener_;
  XScreenSaverInfo* info_ = nullptr;
  guint timer_ = 0;
  guint socketWatch_ = 0;
};

X11IdleSource::~X11IdleSource() {
  if (timer_ != 0) g_source_remove(timer_);
  if (socketWatch_ != 0) g_source_remove(socketWatch_);
  XFree(info_);
  sessionListener = nullptr;
  XCloseDisplay(display_);
}

void X11IdleSource::Begin() {
  sessionListener = &listener_;
  XSetIOErrorHandler(OnConnectionLost);
  const auto watched = static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR);
  socketWatch_ = g_unix_fd_add(ConnectionNumber(display_), watched, OnSocket, this);
  Read();
}

void X11IdleSource::Read() {
  XScreenSaverQueryInfo(display_, DefaultRootWindow(display_), info_);
  const IdleTurn turn = follower_.Follow(info_->idle);
  if (turn.becameActive) listener_.OnActive();
  if (turn.becameIdle) listener_.OnIdle();
  timer_ = g_timeout_add(turn.nextReadingMs, OnTimer, this);
}

gboolean X11IdleSource::OnTimer(gpointer data) {
  auto* self = static_cast<X11IdleSource*>(data);
  self->Read();
  return G_SOURCE_REMOVE;
}

// Nothing is asked of the server but replies; anything else read is let go.
// Reading a closed connection calls OnConnectionLost.
gboolean X11IdleSource::OnSocket(gint, GIOCondition, gpointer data) {
  auto* self = static_cast<X11IdleSource*>(data);
  while (XPending(self->display_) > 0) {
    XEvent event;
    XNextEvent(self->display_, &event);
  }
  return G_SOURCE_CONTINUE;
}
}  // namespace

X11Idle WatchX11Idle(std::uint32_t thresholdMs, IdleListener& listener,
                     const std::string& saverService) {
  X11Idle result;
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || name[0] == '\0') return result;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return result;
  int eventBase = 0, errorBase = 0;
  if (XScreenSaverRuns(display)) {
    result.saverDaemon = "XScreenSaver";
  } else if (!saverService.empty()) {
    result.saverDaemon = saverService;
  } else if (XScreenSaverQueryExtension(display, &eventBase, &errorBase)) {
    auto source = std::make_unique<X11IdleSource>(display, thresholdMs, listener);
    source->Begin();
    result.source = std::move(source);
    return result;
  }
  XCloseDisplay(display);
  return result;
}
