#include "tests/gl/gl_scene.h"

#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"

void StartScene(FakePlatform& platform, std::uint32_t seed, int detail) {
  InstallScenePlatform(platform);
  sceneState = SceneState{};
  detailLevel = detail;
  SeedRandom(seed);
  SetupView(kSurfaceWidth, kSurfaceHeight);
}

Rgb PixelAt(int x, int y) {
  unsigned char rgb[3] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, kSurfaceHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return {rgb[0], rgb[1], rgb[2]};
}

Matrix ReadMatrix(GLenum which) {
  GLfloat values[16];
  glGetFloatv(which, values);
  Matrix m{};
  for (int i = 0; i < 16; ++i) m[i] = values[i];
  return m;
}

GLint ReadInteger(GLenum which) {
  GLint value = 0;
  glGetIntegerv(which, &value);
  return value;
}
