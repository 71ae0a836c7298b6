// Debian's own freeglut library (libglut3.12), loaded at run time beside the
// one vorn is built with, and initialised on the test run's X display, as a
// reference for what the shapes and the bitmap font must draw.
#pragma once

#include <GL/gl.h>

struct DebianGlut {
  void (*solidCube)(double size);
  void (*solidSphere)(double radius, GLint slices, GLint stacks);
  void (*solidTorus)(double inner, double outer, GLint sides, GLint rings);
  void (*bitmapString)(void* font, const unsigned char* text);
  int (*bitmapLength)(void* font, const unsigned char* text);
  void* bitmap9By15;  // the font's name in that library: an address of its own
};

// Null, with a line on standard error, when the library cannot be loaded.
const DebianGlut* LoadDebianGlut();
