// What a platform gives the saver run: the surfaces it draws on, and, where
// the run owns the loop, a wait for its events. A backend turns its events
// into the run's input calls and knows nothing of pacing, the scene or the
// closing rules.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

class RunSurface {
 public:
  // Makes the context current on this surface; false when it cannot be drawn
  // on any more (the backend then ends the run at its next wait).
  virtual bool MakeCurrent() = 0;
  // In pixels, as the frame is to be drawn.
  virtual int width() const = 0;
  virtual int height() const = 0;
  // Shows the frame just drawn, asking the host for the next where it paces frames.
  virtual void Swap() = 0;

 protected:
  ~RunSurface() = default;
};

class RunSurfaces {
 public:
  using Clock = std::chrono::steady_clock;
  // Adds the surfaces that want a frame now: sized, seen, and asked for where
  // the host paces frames.
  virtual void ReadySurfaces(std::vector<RunSurface*>& ready) = 0;

 protected:
  ~RunSurfaces() = default;
};

// For the loops the run owns.
class RunBackend : public RunSurfaces {
 public:
  // Handles every event already waiting; if there is none, first waits for
  // one until the deadline (without one, until an event comes), returning
  // early on a stop signal. False when the host has ended the run (its
  // window gone, the connection broken, a surface lost).
  virtual bool WaitAndHandle(std::optional<Clock::time_point> deadline) = 0;

 protected:
  ~RunBackend() = default;
};
