// Boxes made of freeglut's unit cube.
#pragma once

// A unit cube stretched to width × height × depth around (x, y, z) of the
// current frame. Nothing renormalises its normals: they stretch with it, and
// the lighting and reflections of the boxes rest on that.
void DrawBox(double x, double y, double z, float width, float height, float depth);
