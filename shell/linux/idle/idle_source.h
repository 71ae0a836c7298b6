// What a desktop's idle source tells the watcher, whichever it is; each source
// lives as long as its object and reports through the GLib main loop.
#pragma once

class IdleListener {
 public:
  // The desktop has been idle for the time asked for.
  virtual void OnIdle() = 0;
  // Input came after OnIdle.
  virtual void OnActive() = 0;
  // The compositor, the X server or the session bus went away.
  virtual void OnSessionEnded() = 0;

 protected:
  ~IdleListener() = default;
};

class IdleSource {
 public:
  virtual ~IdleSource() = default;
};
