// Light text on a dark box in window coordinates, drawn without the scene's
// lights, textures, fog and depth test.
#include "scene/frame_rate_overlay.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <initializer_list>

namespace {
void* const kFont = GLUT_BITMAP_9_BY_15;
constexpr int kMargin = 4;   // from the window's edges to the box
constexpr int kPadding = 3;  // from the box's edges to the text
constexpr int kTextHeight = 15;
constexpr int kBaselineAboveBottom = 4;  // the font's descent
}  // namespace

void DrawFrameRate(double framesPerSecond) {
  char text[32];
  std::snprintf(text, sizeof text, "FPS: %.1f", framesPerSecond);
  const auto* characters = reinterpret_cast<const unsigned char*>(text);

  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT | GL_POLYGON_BIT);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  // With colour material on, glColor would also change the scene's material.
  for (const GLenum capability :
       {GL_LIGHTING, GL_COLOR_MATERIAL, GL_TEXTURE_2D, GL_FOG, GL_DEPTH_TEST, GL_BLEND,
        GL_CULL_FACE, GL_STENCIL_TEST, GL_ALPHA_TEST}) {
    glDisable(capability);
  }
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

  const int width = glutBitmapLength(kFont, characters);
  glColor3f(0.0f, 0.0f, 0.0f);
  glRecti(kMargin, kMargin, kMargin + width + 2 * kPadding, kMargin + kTextHeight + 2 * kPadding);
  glColor3f(1.0f, 1.0f, 1.0f);
  glRasterPos2i(kMargin + kPadding, kMargin + kPadding + kBaselineAboveBottom);
  glutBitmapString(kFont, characters);

  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}
