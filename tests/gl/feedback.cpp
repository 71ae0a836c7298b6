#include "tests/gl/feedback.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/gl/gl_scene.h"

std::vector<Polygon> CapturePolygons(const std::function<void()>& draw) {
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  std::vector<GLfloat> buffer(1 << 21);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  EXPECT_GE(used, 0) << "feedback buffer overflowed";

  std::vector<Polygon> polygons;
  for (GLint i = 0; i < used;) {
    const auto token = static_cast<GLint>(buffer[i++]);
    if (token != GL_POLYGON_TOKEN) {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
    Polygon polygon(static_cast<size_t>(buffer[i++]));
    for (Corner& corner : polygon) {
      corner = Corner{buffer[i], buffer[i + 1], buffer[i + 2]};
      i += 3;
    }
    polygons.push_back(polygon);
  }
  return polygons;
}

void LookOrthographic(float left, float bottom, float unitsPerPixel) {
  glViewport(0, 0, kSurfaceWidth, kSurfaceHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(left, left + kSurfaceWidth * unitsPerPixel, bottom,
          bottom + kSurfaceHeight * unitsPerPixel, -1000.0, 1000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
