// freeglut's solid shapes: their one-time set-up, and boxes made of its unit cube.
#pragma once

// freeglut's shapes end the process unless this has run once, after the
// platform's display is open (on X, freeglut opens its own connection).
void InitShapes();

// A unit cube stretched to width × height × depth around (x, y, z) of the
// current frame. Nothing renormalises its normals: they stretch with it, and
// the lighting and reflections of the boxes rest on that.
void DrawBox(double x, double y, double z, float width, float height, float depth);
