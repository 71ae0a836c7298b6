// Captures what a drawing routine sends to OpenGL, as polygons in window coordinates.
#pragma once

#include <functional>
#include <vector>

struct Corner {
  float x;
  float y;
  float z;
};
using Polygon = std::vector<Corner>;

// Runs draw in feedback mode under the current matrices, with culling and
// lighting off so that every polygon is reported.
std::vector<Polygon> CapturePolygons(const std::function<void()>& draw);

// Sets an orthographic view in which window x and y follow the scene's units
// one to one, with (left, bottom) at the window's lower-left corner.
void LookOrthographic(float left, float bottom, float unitsPerPixel);
