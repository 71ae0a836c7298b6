#include "scene/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>
#include <vector>

#include "resources/resource.h"
#include "scene/scene_state.h"

namespace {
constexpr int kFailureExitCode = 1;

std::uint32_t LoadTexture(int bitmapId, int edge) {
  BitmapPixels bitmap;
  if (!CurrentScenePlatform().ReadBitmap(bitmapId, bitmap)) std::exit(kFailureExitCode);
  std::vector<std::uint8_t> texels(static_cast<size_t>(edge) * edge * 4);
  ReadTexels(bitmap, edge, texels.data());

  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  // A texture that cannot be built is a failure like a missing bitmap, not a success.
  if (gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, edge, edge, GL_RGBA, GL_UNSIGNED_BYTE,
                        texels.data()) != 0) {
    std::exit(kFailureExitCode);
  }
  return name;
}
}  // namespace

void ReadTexels(const BitmapPixels& bitmap, int edge, std::uint8_t* texels) {
  for (int y = edge - 1; y >= 0; --y) {
    for (int x = 0; x < edge; ++x) {
      const bool inside = x < bitmap.width && y < bitmap.height;
      const std::uint8_t* pixel =
          inside ? &bitmap.rgb[(static_cast<size_t>(y) * bitmap.width + x) * 3] : nullptr;
      *texels++ = inside ? pixel[0] : 255;
      *texels++ = inside ? pixel[1] : 255;
      *texels++ = inside ? pixel[2] : 255;
      *texels++ = 255;
    }
  }
}

std::uint32_t LoadTexture256(int bitmapId) { return LoadTexture(bitmapId, 256); }
std::uint32_t LoadTexture32(int bitmapId) { return LoadTexture(bitmapId, 32); }

void LoadTextures() {
  // The landscape goes first, so a missing landscape ends the run before the marble is read.
  if (fullSizeTextures == 1) {
    sceneState.reflectionTexture = LoadTexture256(IDB_LANDSCAPE);
    sceneState.floorTexture = LoadTexture256(IDB_MARBLE);
  } else {
    sceneState.reflectionTexture = LoadTexture32(IDB_LANDSCAPE_SMALL);
    sceneState.floorTexture = LoadTexture32(IDB_MARBLE_SMALL);
  }
}
