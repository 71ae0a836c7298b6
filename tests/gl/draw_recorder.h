// What glDrawArrays and glDrawElements are given, read from the enabled
// vertex and normal arrays at the moment of the call. The test program
// defines both functions itself and exports them, so that they stand in for
// OpenGL's for its own code and for libraries it loads; they pass every call on.
#pragma once

#include <GL/gl.h>

#include <functional>
#include <vector>

struct RecordedDraw {
  GLenum mode;
  std::vector<GLfloat> positions;  // three per vertex, in the order drawn
  std::vector<GLfloat> normals;    // three per vertex; empty without a normal array
};

// The draw calls made while draw runs, in order.
std::vector<RecordedDraw> RecordDraws(const std::function<void()>& draw);
