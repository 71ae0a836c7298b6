// The shapes and the frame-rate text that vorn builds from freeglut's sources
// come out exactly as Debian's own freeglut library draws them.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "scene/frame.h"
#include "tests/gl/debian_glut.h"
#include "tests/gl/draw_recorder.h"
#include "tests/gl/gl_scene.h"
#include "tests/gl/scene_shape_calls.h"

namespace {
// Low, Middle and High, and a stored Detail large enough for the most sphere slices.
constexpr int kDetails[] = {0, 1, 2, 9};

std::string Name(const ShapeCall& call) {
  const char* kinds[] = {"cube", "sphere", "torus"};
  return std::string(kinds[static_cast<int>(call.kind)]) + "(" + std::to_string(call.first) + ", " +
         std::to_string(call.second) + ", " + std::to_string(call.third) + ", " +
         std::to_string(call.fourth) + ")";
}

void DrawWithVorn(const ShapeCall& call) {
  switch (call.kind) {
    case ShapeKind::kCube:
      glutSolidCube(call.first);
      break;
    case ShapeKind::kSphere:
      glutSolidSphere(call.first, call.third, call.fourth);
      break;
    case ShapeKind::kTorus:
      glutSolidTorus(call.first, call.second, call.third, call.fourth);
      break;
  }
}

void DrawWithDebian(const DebianGlut& debian, const ShapeCall& call) {
  switch (call.kind) {
    case ShapeKind::kCube:
      debian.solidCube(call.first);
      break;
    case ShapeKind::kSphere:
      debian.solidSphere(call.first, call.third, call.fourth);
      break;
    case ShapeKind::kTorus:
      debian.solidTorus(call.first, call.second, call.third, call.fourth);
      break;
  }
}

// Enough digits to tell any two floats apart.
std::string Exact(GLfloat value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// Bit for bit, so that a sign of zero counts too; empty when the streams are the same.
std::string FirstDifference(const char* what, size_t draw, const std::vector<GLfloat>& ours,
                            const std::vector<GLfloat>& theirs) {
  if (ours.size() != theirs.size()) {
    return "draw " + std::to_string(draw) + ": " + std::to_string(ours.size()) + " " + what +
           " against " + std::to_string(theirs.size());
  }
  for (size_t i = 0; i < ours.size(); ++i) {
    if (std::memcmp(&ours[i], &theirs[i], sizeof(GLfloat)) != 0) {
      return "draw " + std::to_string(draw) + ": " + what + " value " + std::to_string(i) + " is " +
             Exact(ours[i]) + " against " + Exact(theirs[i]);
    }
  }
  return "";
}

std::string FirstDifference(const std::vector<RecordedDraw>& ours,
                            const std::vector<RecordedDraw>& theirs) {
  if (ours.size() != theirs.size()) {
    return std::to_string(ours.size()) + " draw calls against " + std::to_string(theirs.size());
  }
  for (size_t i = 0; i < ours.size(); ++i) {
    if (ours[i].mode != theirs[i].mode) return "draw " + std::to_string(i) + ": another mode";
    std::string difference =
        FirstDifference("positions", i, ours[i].positions, theirs[i].positions);
    if (difference.empty()) {
      difference = FirstDifference("normals", i, ours[i].normals, theirs[i].normals);
    }
    if (!difference.empty()) return difference;
  }
  return "";
}

TEST(GlutShapes, EveryShapeOfTheSceneAtEveryDetailIsDebiansVertexForVertex) {
  const DebianGlut* debian = LoadDebianGlut();
  ASSERT_NE(debian, nullptr);
  std::set<ShapeCall> calls;
  for (const int detail : kDetails) {
    FakePlatform platform;
    platform.milliseconds = 5000;
    StartScene(platform, 1, detail);
    const std::set<ShapeCall> drawn = RecordShapeCalls([] { DrawFrame(); });
    calls.insert(drawn.begin(), drawn.end());
  }
  std::set<ShapeKind> kinds;
  for (const ShapeCall& call : calls) kinds.insert(call.kind);
  EXPECT_EQ(kinds.size(), 3u) << "the scene no longer draws a cube, a sphere and a torus";

  for (const ShapeCall& call : calls) {
    const auto ours = RecordDraws([&] { DrawWithVorn(call); });
    const auto theirs = RecordDraws([&] { DrawWithDebian(*debian, call); });
    ASSERT_FALSE(ours.empty()) << Name(call) << " drew nothing";
    EXPECT_FALSE(ours.front().normals.empty()) << Name(call) << " has no normals";
    EXPECT_EQ(FirstDifference(ours, theirs), "") << Name(call);
  }
}

// The text drawn white on black at the bottom left of the whole surface, read back.
std::vector<unsigned char> TextPixels(const std::function<void()>& drawText) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glViewport(0, 0, kSurfaceWidth, kSurfaceHeight);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, kSurfaceWidth, 0, kSurfaceHeight, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  for (const GLenum capability : {GL_LIGHTING, GL_TEXTURE_2D, GL_FOG, GL_DEPTH_TEST, GL_BLEND,
                                  GL_STENCIL_TEST, GL_ALPHA_TEST}) {
    glDisable(capability);
  }
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glColor3f(1.0f, 1.0f, 1.0f);
  glRasterPos2i(3, 7);
  drawText();
  constexpr int kWidth = 200;
  constexpr int kHeight = 24;
  std::vector<unsigned char> pixels(kWidth * kHeight * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
  return pixels;
}

TEST(GlutShapes, FrameRateTextIsDebiansPixelForPixel) {
  const DebianGlut* debian = LoadDebianGlut();
  ASSERT_NE(debian, nullptr);
  // Every character a frame rate is written with.
  for (const char* text : {"FPS: 12.3", "FPS: 4567.8", "FPS: 90.0"}) {
    const auto* characters = reinterpret_cast<const unsigned char*>(text);
    const auto ours = TextPixels([&] { glutBitmapString(GLUT_BITMAP_9_BY_15, characters); });
    const auto theirs = TextPixels([&] { debian->bitmapString(debian->bitmap9By15, characters); });
    size_t lit = 0;
    for (const unsigned char value : ours) lit += value == 255 ? 1 : 0;
    EXPECT_GT(lit, 100u) << text << " is not there to compare";
    EXPECT_TRUE(ours == theirs) << text;
    EXPECT_EQ(glutBitmapLength(GLUT_BITMAP_9_BY_15, characters),
              debian->bitmapLength(debian->bitmap9By15, characters))
        << text;
  }
}
}  // namespace
