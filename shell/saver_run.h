// The saver's run, the same on every platform: its input judged by the
// closing rules and carried out, its settings applied to the scene, frames
// paced and drawn on every surface a backend offers, each showing the same
// moment, with the frame rate in a corner when asked. Run() owns the loop;
// Step() serves a platform that owns its loop (a browser, a message loop).
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "shell/closing_rules.h"
#include "shell/frame_rate_meter.h"
#include "shell/run_backend.h"
#include "shell/run_pacing.h"
#include "shell/saver_mode.h"
#include "shell/scene_moments.h"
#include "shell/screen_saver.h"

class SaverRun {
 public:
  using Clock = RunSurfaces::Clock;

  // Applies the saver's settings to the scene.
  SaverRun(SaverMode mode, ScreenSaver& saver, RunPacing pacing);

  // The platform's input, translated.
  void KeyPressed(bool isEnter, bool isRepeat);
  // A middle click, and a host's close button on the window: a key other than Enter.
  void MiddleButtonPressed();
  void CloseButtonPressed() { MiddleButtonPressed(); }
  void ActivationChanged(bool active);
  void ButtonPressed(MouseButton button, CursorPoint cursor);
  void ButtonReleased(MouseButton button);
  void MouseMoved(CursorPoint cursor);
  // The pointer reported from another origin, as when it enters another surface.
  void PointerEntered(CursorPoint cursor);
  // The close message that a close request posted has arrived; true when the
  // run ends now (for a mode that does not judge closing, too: it closes the
  // usual way).
  bool CloseMessage(std::uint32_t nowTick);

  // The settings changed while running; a new detail starts the scene afresh.
  void SettingsChanged();
  // A surface was hidden and is seen again: it is drawn at once, whatever the pause.
  void FrameWantedNow() { nextFrame_ = Clock::now(); }
  // The backend lets go of a surface.
  void SurfaceGone(const RunSurface& surface);

  // Waits, handles and draws until a close, the backend or a stop ends it.
  void Run(RunBackend& backend, bool (*stopRequested)());
  // Draws every ready surface when the pause is over; for loops the platform owns.
  void Step(RunSurfaces& surfaces, Clock::time_point now);
  bool ended() const { return ended_; }

 private:
  void Respond(const InputResponse& response);
  void DrawReady(RunSurfaces& surfaces, Clock::time_point now, bool (*stopRequested)());
  void DrawOn(RunSurface& surface, Clock::time_point now);

  SaverMode mode_;
  ScreenSaver& saver_;
  RunPacing pacing_;
  InputState input_;
  SceneMoments moments_;
  std::map<const RunSurface*, FrameRateMeter> meters_;
  std::vector<RunSurface*> ready_;
  Clock::time_point nextFrame_ = Clock::now();
  std::int32_t appliedDetail_;
  bool viewSetUp_ = false;
  const RunSurface* lastDrawn_ = nullptr;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
  bool ended_ = false;
};
