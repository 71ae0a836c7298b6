// Draws vertices with the fixed-function state of the moment, as a GL driver
// does behind glBegin and glEnd: the vertices are taken to eye space here and
// gathered with those of the primitives before them, and the primitives that
// share their state are drawn together with one WebGL call, when the state
// changes, before any other WebGL call of the layer, and at the latest when
// the page's code returns to the browser.
#pragma once

#include <GL/gl.h>

#include <vector>

struct FixedVertex {
  float position[4];
  float normal[3];
  float color[4];
  float texCoord[2];
};

// vertices of one OpenGL 1.1 primitive (mode), in object space.
void DrawVertices(GLenum mode, const std::vector<FixedVertex>& vertices);
// Draws what has been gathered.
void FlushVertices();
