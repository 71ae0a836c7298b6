// The frames of a snapshot, drawn the same way by every platform that makes
// one: the moment fixed where the options say so, the rest live.
#pragma once

#include <cstdint>
#include <optional>

#include "scene/platform.h"
#include "shell/snapshot_options.h"

// A live platform with the counter and the clock fixed where the options say so.
class SnapshotPlatform : public ScenePlatform {
 public:
  SnapshotPlatform(const SnapshotOptions& options, ScenePlatform& live)
      : live_(live), milliseconds_(options.milliseconds), clock_(options.clock) {}

  std::uint32_t Milliseconds() override;
  bool LocalTimeOfDay(TimeOfDay& time) override;
  bool ReadBitmap(int id, BitmapPixels& bitmap) override;
  // Moves a fixed counter on by one frame's time.
  void NextFrame();

 private:
  ScenePlatform& live_;
  std::optional<std::uint32_t> milliseconds_;
  std::optional<TimeOfDay> clock_;
};

// Installs the platform and sets the scene up for a width × height picture.
// liveSeed stands in for a seed the options leave out.
void StartSnapshotFrames(const SnapshotOptions& options, SnapshotPlatform& platform,
                         std::uint32_t liveSeed);
// Draws frame number `frame` (0 first) of a started snapshot.
void DrawSnapshotFrame(SnapshotPlatform& platform, int frame);

// Starts the snapshot and draws its frames, each once goOn() allows it; false
// when it did not. The picture is then in the current buffer.
bool DrawSnapshotFrames(const SnapshotOptions& options, SnapshotPlatform& platform,
                        std::uint32_t liveSeed, bool (*goOn)());
