#include "shell/scene_moments.h"

#include <gtest/gtest.h>

#include <vector>

#include "scene/sky.h"

namespace {
constexpr std::uintptr_t kLeft = 1;
constexpr std::uintptr_t kRight = 2;

// Stands in for a frame: one step of the scene, and the time it was drawn at.
struct Frames {
  std::vector<double> drawnAt;
  void Draw(SceneMoments& moments, std::uintptr_t surface) {
    moments.Draw(surface, [this] {
      drawnAt.push_back(sceneState.sceneTime);
      sceneState.sceneTime += 1.0;
    });
  }
};

class SceneMomentsTest : public ::testing::Test {
 protected:
  void SetUp() override { sceneState = SceneState{}; }
  SceneMoments moments;
  Frames frames;
};
}  // namespace

TEST_F(SceneMomentsTest, EverySurfaceShowsEachMomentOnceAndTheSceneStepsOncePerMoment) {
  for (const std::uintptr_t surface : {kLeft, kRight, kLeft, kRight, kRight, kLeft}) {
    frames.Draw(moments, surface);
  }
  // The right surface, ready twice in a row, starts a moment of its own; the
  // left one then shows that moment.
  EXPECT_EQ(frames.drawnAt, (std::vector<double>{0, 0, 1, 1, 2, 2}));
  EXPECT_EQ(sceneState.sceneTime, 3.0);
}

TEST_F(SceneMomentsTest, InputBetweenTwoSurfacesIsKeptAndShownByTheNext) {
  const std::uint8_t look = sceneState.daylight;
  frames.Draw(moments, kLeft);
  ToggleDaylight();
  moments.SceneChanged();
  frames.Draw(moments, kRight);
  EXPECT_NE(sceneState.daylight, look);
  EXPECT_EQ(frames.drawnAt, (std::vector<double>{0, 1}));
}

TEST_F(SceneMomentsTest, ASurfaceLetGoNoLongerCountsAsHavingShownTheMoment) {
  frames.Draw(moments, kLeft);
  frames.Draw(moments, kRight);
  moments.Forget(kRight);
  // A new surface that happens to get the same id joins the current moment.
  frames.Draw(moments, kRight);
  EXPECT_EQ(frames.drawnAt, (std::vector<double>{0, 0, 0}));
}
