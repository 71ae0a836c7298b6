#include "shell/saver_run.h"

#include <GL/gl.h>

#include "scene/frame.h"
#include "scene/scene_state.h"
#include "shell/carry_out.h"
#include "shell/startup_trace.h"

namespace {
std::int64_t SteadyMilliseconds(SaverRun::Clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
}
}  // namespace

SaverRun::SaverRun(SaverMode mode, ScreenSaver& saver, RunPacing pacing)
    : mode_(mode), saver_(saver), pacing_(pacing), appliedDetail_(saver.detail) {
  detailLevel = saver.detail;
}

void SaverRun::KeyPressed(bool isEnter, bool isRepeat) {
  Respond(OnKeyPress(mode_, saver_, isEnter, isRepeat));
}

void SaverRun::MiddleButtonPressed() { Respond(OnMiddleButton(mode_, saver_)); }

void SaverRun::ActivationChanged(bool active) { Respond(OnActivation(mode_, saver_, active)); }

void SaverRun::ButtonPressed(MouseButton button, CursorPoint cursor) {
  OnButtonPress(input_, button, cursor);
}

void SaverRun::ButtonReleased(MouseButton button) { OnButtonRelease(input_, button); }

void SaverRun::MouseMoved(CursorPoint cursor) {
  Respond(OnMouseMove(mode_, saver_, input_, cursor));
}

void SaverRun::PointerEntered(CursorPoint cursor) { RebaseCursor(input_, cursor); }

bool SaverRun::CloseMessage(std::uint32_t nowTick) {
  if (OnCloseMessage(mode_, saver_, nowTick) != CloseOutcome::kKeepRunning) ended_ = true;
  return ended_;
}

void SaverRun::SettingsChanged() {
  detailLevel = saver_.detail;
  if (saver_.detail == appliedDetail_) return;
  appliedDetail_ = saver_.detail;
  // The detail is read when the scene is set up, which starts it afresh.
  if (!viewSetUp_) return;
  const GLuint textures[] = {sceneState.reflectionTexture, sceneState.floorTexture};
  glDeleteTextures(2, textures);
  viewSetUp_ = false;
}

void SaverRun::SurfaceGone(const RunSurface& surface) {
  moments_.Forget(reinterpret_cast<std::uintptr_t>(&surface));
  meters_.erase(&surface);
  if (lastDrawn_ == &surface) lastDrawn_ = nullptr;
}

void SaverRun::Run(RunBackend& backend, bool (*stopRequested)()) {
  while (!ended_ && !stopRequested()) {
    ready_.clear();
    backend.ReadySurfaces(ready_);
    // With nothing to draw, only the host's news (or a stop) wakes the wait.
    std::optional<Clock::time_point> deadline;
    if (!ready_.empty()) deadline = nextFrame_;
    if (!backend.WaitAndHandle(deadline)) return;
    if (ended_ || stopRequested()) return;
    const Clock::time_point now = Clock::now();
    if (now >= nextFrame_) DrawReady(backend, now, stopRequested);
  }
}

void SaverRun::Step(RunSurfaces& surfaces, Clock::time_point now) {
  if (ended_ || now < nextFrame_) return;
  DrawReady(surfaces, now, nullptr);
}

void SaverRun::DrawReady(RunSurfaces& surfaces, Clock::time_point now, bool (*stopRequested)()) {
  ready_.clear();
  surfaces.ReadySurfaces(ready_);
  if (ready_.empty()) return;
  for (RunSurface* surface : ready_) {
    // A frame of a large output in software takes long: a stop is not kept
    // waiting for the others.
    if (stopRequested != nullptr && stopRequested()) return;
    DrawOn(*surface, now);
  }
  nextFrame_ = Clock::now() + std::chrono::microseconds(pacing_.delayMicroseconds);
}

void SaverRun::DrawOn(RunSurface& surface, Clock::time_point now) {
  if (!surface.MakeCurrent()) return;
  const int width = surface.width();
  const int height = surface.height();
  // The first surface sets up the context's state; each then only sets the
  // view of its own size when it differs from the last one drawn.
  if (!viewSetUp_) {
    SetupView(width, height);
    viewSetUp_ = true;
    TraceStartupStep("view");
  } else if (&surface != lastDrawn_ || width != lastWidth_ || height != lastHeight_) {
    SetViewSize(width, height);
  }
  lastDrawn_ = &surface;
  lastWidth_ = width;
  lastHeight_ = height;
  moments_.Draw(reinterpret_cast<std::uintptr_t>(&surface), DrawFrame);
  if (pacing_.drawFrameRate != nullptr) {
    FrameRateMeter& meter = meters_[&surface];
    meter.FrameShown(SteadyMilliseconds(now));
    pacing_.drawFrameRate(meter.rate());
  }
  TraceStartupStep("frame");
  surface.Swap();
  EndStartupTrace("swap");
}

void SaverRun::Respond(const InputResponse& response) {
  CarryOut(saver_, response);
  if (response.toggleDaylight || response.viewChange != ViewChange::kNone) {
    moments_.SceneChanged();
  }
}
