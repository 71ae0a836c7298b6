// The OpenGL 1.1 calls that WebGL has as they are, passed on once the
// primitives gathered before them are drawn, so that the order of drawing
// stays as the caller gave it.
#include <GL/gl.h>
#include <webgl/webgl1.h>

#include "shell/web/fixed_function/draw.h"

extern "C" {
void glBindTexture(GLenum target, GLuint texture) {
  FlushVertices();
  emscripten_glBindTexture(target, texture);
}
void glBlendFunc(GLenum source, GLenum destination) {
  FlushVertices();
  emscripten_glBlendFunc(source, destination);
}
void glClear(GLbitfield mask) {
  FlushVertices();
  emscripten_glClear(mask);
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf alpha) {
  FlushVertices();
  emscripten_glClearColor(r, g, b, alpha);
}
void glClearStencil(GLint s) {
  FlushVertices();
  emscripten_glClearStencil(s);
}
void glDeleteTextures(GLsizei n, const GLuint* textures) {
  FlushVertices();
  emscripten_glDeleteTextures(n, textures);
}
void glGenTextures(GLsizei n, GLuint* textures) {
  FlushVertices();
  emscripten_glGenTextures(n, textures);
}
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  GLvoid* pixels) {
  FlushVertices();
  emscripten_glReadPixels(x, y, width, height, format, type, pixels);
}
void glStencilFunc(GLenum func, GLint ref, GLuint mask) {
  FlushVertices();
  emscripten_glStencilFunc(func, ref, mask);
}
void glStencilOp(GLenum fail, GLenum depthFail, GLenum depthPass) {
  FlushVertices();
  emscripten_glStencilOp(fail, depthFail, depthPass);
}
void glTexParameterf(GLenum target, GLenum name, GLfloat value) {
  FlushVertices();
  emscripten_glTexParameterf(target, name, value);
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  FlushVertices();
  emscripten_glViewport(x, y, width, height);
}
}
