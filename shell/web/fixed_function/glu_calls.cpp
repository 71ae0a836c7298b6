// The two GLU calls the scene makes, over the layer and WebGL.
#include <GL/gl.h>
#include <GL/glu.h>
#include <webgl/webgl1.h>

#include <cmath>

#include "shell/web/fixed_function/draw.h"

namespace {
bool IsPowerOfTwo(GLint n) { return n > 0 && (n & (n - 1)) == 0; }
}  // namespace

extern "C" {
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble near, GLdouble far) {
  const double top = near * std::tan(fovy * 3.14159265358979323846 / 360.0);
  glFrustum(-top * aspect, top * aspect, -top, top, near, far);
}

// WebGL's mipmaps are box-filtered halvings, as GLU's are for sizes that are powers of two.
GLint gluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height,
                        GLenum format, GLenum type, const void* data) {
  if (!IsPowerOfTwo(width) || !IsPowerOfTwo(height)) return GLU_INVALID_VALUE;
  FlushVertices();
  emscripten_glTexImage2D(target, 0, internalFormat, width, height, 0, format, type, data);
  emscripten_glGenerateMipmap(target);
  return 0;
}
}
