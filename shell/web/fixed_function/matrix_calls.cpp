// glMatrixMode and the matrix calls of OpenGL 1.1 on the two stacks kept here.
#include <GL/gl.h>

#include "shell/web/fixed_function/state.h"

namespace {
void MultiplyCurrent(const Matrix4& m) {
  Matrix4& top = CurrentMatrixStack().back();
  top = Multiply(top, m);
  ++fixedState.matrixVersion;
}

std::size_t CurrentStackLimit() {
  return fixedState.attributes.matrixMode == GL_PROJECTION ? kProjectionStackDepth
                                                           : kModelViewStackDepth;
}
}  // namespace

extern "C" {
void glMatrixMode(GLenum mode) {
  if (mode != GL_MODELVIEW && mode != GL_PROJECTION) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  fixedState.attributes.matrixMode = mode;
}

void glLoadIdentity() {
  CurrentMatrixStack().back() = IdentityMatrix();
  ++fixedState.matrixVersion;
}

void glLoadMatrixf(const GLfloat* m) {
  Matrix4& top = CurrentMatrixStack().back();
  for (int i = 0; i < 16; ++i) top[i] = m[i];
  ++fixedState.matrixVersion;
}

void glPushMatrix() {
  auto& stack = CurrentMatrixStack();
  if (stack.size() >= CurrentStackLimit()) {
    RecordError(GL_STACK_OVERFLOW);
    return;
  }
  stack.push_back(stack.back());
}

void glPopMatrix() {
  auto& stack = CurrentMatrixStack();
  if (stack.size() <= 1) {
    RecordError(GL_STACK_UNDERFLOW);
    return;
  }
  stack.pop_back();
  ++fixedState.matrixVersion;
}

void glMultMatrixf(const GLfloat* m) {
  Matrix4 factor;
  for (int i = 0; i < 16; ++i) factor[i] = m[i];
  MultiplyCurrent(factor);
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { MultiplyCurrent(TranslationMatrix(x, y, z)); }
void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
  MultiplyCurrent(
      TranslationMatrix(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)));
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) { MultiplyCurrent(ScalingMatrix(x, y, z)); }
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  MultiplyCurrent(RotationMatrix(angle, x, y, z));
}
void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
  MultiplyCurrent(RotationMatrix(static_cast<float>(angle), static_cast<float>(x),
                                 static_cast<float>(y), static_cast<float>(z)));
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far) {
  MultiplyCurrent(OrthoMatrix(left, right, bottom, top, near, far));
}
void glFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
               GLdouble far) {
  MultiplyCurrent(FrustumMatrix(left, right, bottom, top, near, far));
}
}
