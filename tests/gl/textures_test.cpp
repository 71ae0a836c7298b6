#include "scene/textures.h"

#include <GL/gl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "resources/resource.h"
#include "scene/scene_state.h"
#include "tests/gl/gl_scene.h"

namespace {
int MipLevels(GLuint texture) {
  glBindTexture(GL_TEXTURE_2D, texture);
  int levels = 0;
  GLint width = 1;
  while (width > 0 && levels < 20) {
    glGetTexLevelParameteriv(GL_TEXTURE_2D, levels, GL_TEXTURE_WIDTH, &width);
    if (width > 0) ++levels;
  }
  return levels;
}

// Says on stderr which bitmap it is asked for, so that a dying child can tell.
class TellingPlatform : public FakePlatform {
 public:
  bool ReadBitmap(int id, BitmapPixels& bitmap) override {
    std::fprintf(stderr, "reading %d\n", id);
    return FakePlatform::ReadBitmap(id, bitmap);
  }
};
}  // namespace

TEST(Textures, FullScreenBuildsTwoMipmappedTexturesOf256AndPreviewOf32) {
  for (auto [full, levels] : {std::pair{1, 9}, std::pair{0, 6}}) {
    FakePlatform platform;
    InstallScenePlatform(platform);
    sceneState = SceneState{};
    fullSizeTextures = full;
    LoadTextures();
    EXPECT_NE(sceneState.reflectionTexture, 0u);
    EXPECT_NE(sceneState.floorTexture, sceneState.reflectionTexture);
    EXPECT_EQ(MipLevels(sceneState.reflectionTexture), levels);
    EXPECT_EQ(MipLevels(sceneState.floorTexture), levels);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &filter);
    EXPECT_EQ(filter, GL_REPEAT);
  }
  fullSizeTextures = 0;
}

TEST(TexturesDeathTest, MissingBitmapEndsWithCodeOneAndTheLandscapeGoesFirst) {
  using ::testing::AllOf;
  using ::testing::HasSubstr;
  using ::testing::Not;
  // A forked child would share, and on exit close, the parent's X connection:
  // the child starts afresh with its own instead.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TellingPlatform platform;
  InstallScenePlatform(platform);
  platform.missingBitmaps = {IDB_LANDSCAPE};
  fullSizeTextures = 1;
  EXPECT_EXIT(LoadTextures(), ::testing::ExitedWithCode(1),
              AllOf(HasSubstr("reading 115"), Not(HasSubstr("reading 112"))));
  platform.missingBitmaps = {IDB_MARBLE_SMALL};
  fullSizeTextures = 0;
  EXPECT_EXIT(LoadTextures(), ::testing::ExitedWithCode(1),
              AllOf(HasSubstr("reading 127"), HasSubstr("reading 128")));
  fullSizeTextures = 0;
}
