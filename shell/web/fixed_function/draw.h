// Draws vertices with the fixed-function state of the moment: the state goes
// to the shader's uniforms and WebGL's capabilities, the vertices to one
// streaming buffer.
#pragma once

#include <GL/gl.h>

#include <vector>

struct FixedVertex {
  float position[4];
  float normal[3];
  float color[4];
  float texCoord[2];
};

// mode is an OpenGL 1.1 primitive; quads, quad strips and polygons become triangles here.
void DrawVertices(GLenum mode, std::vector<FixedVertex>& vertices);
