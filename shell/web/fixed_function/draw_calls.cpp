// The vertex calls: glBegin/glEnd with the current values, client arrays with
// glDrawArrays and glDrawElements, and glRecti.
#include <GL/gl.h>

#include <cstdint>

#include "shell/web/fixed_function/draw.h"
#include "shell/web/fixed_function/state.h"

namespace {
GLenum beginMode = 0;
bool insideBegin = false;
std::vector<FixedVertex> vertices;

FixedVertex CurrentVertex(float x, float y, float z, float w) {
  const Attributes& a = fixedState.attributes;
  return {{x, y, z, w},
          {a.normal[0], a.normal[1], a.normal[2]},
          {a.color[0], a.color[1], a.color[2], a.color[3]},
          {a.texCoord[0], a.texCoord[1]}};
}

const float* Element(const ClientArray& array, GLint index) {
  const std::size_t stride =
      array.stride != 0 ? static_cast<std::size_t>(array.stride) : array.size * sizeof(float);
  return reinterpret_cast<const float*>(reinterpret_cast<const std::uint8_t*>(array.pointer) +
                                        stride * static_cast<std::size_t>(index));
}

// The vertex at index of the enabled arrays, with the current values for the others.
FixedVertex ArrayVertex(GLint index) {
  const float* p = Element(fixedState.vertexArray, index);
  const GLint size = fixedState.vertexArray.size;
  FixedVertex v = CurrentVertex(p[0], p[1], size > 2 ? p[2] : 0.0f, size > 3 ? p[3] : 1.0f);
  if (fixedState.normalArray.enabled) {
    const float* n = Element(fixedState.normalArray, index);
    for (int k = 0; k < 3; ++k) v.normal[k] = n[k];
  }
  if (fixedState.colorArray.enabled) {
    const float* c = Element(fixedState.colorArray, index);
    for (int k = 0; k < 4; ++k) v.color[k] = k < fixedState.colorArray.size ? c[k] : 1.0f;
  }
  if (fixedState.texCoordArray.enabled) {
    const float* t = Element(fixedState.texCoordArray, index);
    v.texCoord[0] = t[0];
    v.texCoord[1] = fixedState.texCoordArray.size > 1 ? t[1] : 0.0f;
  }
  return v;
}

ClientArray* ArrayFor(GLenum array) {
  switch (array) {
    case GL_VERTEX_ARRAY:
      return &fixedState.vertexArray;
    case GL_NORMAL_ARRAY:
      return &fixedState.normalArray;
    case GL_TEXTURE_COORD_ARRAY:
      return &fixedState.texCoordArray;
    case GL_COLOR_ARRAY:
      return &fixedState.colorArray;
    default:
      return nullptr;
  }
}

void SetArray(ClientArray& array, GLint size, GLenum type, GLsizei stride, const void* pointer) {
  if (type != GL_FLOAT) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  array.size = size;
  array.stride = stride;
  array.pointer = static_cast<const float*>(pointer);
}

void EnableArray(GLenum which, bool on) {
  ClientArray* array = ArrayFor(which);
  if (array == nullptr) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  array->enabled = on;
}

bool ReadyToDrawArrays() {
  if (insideBegin) {
    RecordError(GL_INVALID_OPERATION);
    return false;
  }
  return fixedState.vertexArray.enabled && fixedState.vertexArray.pointer != nullptr;
}

template <typename Index>
void GatherIndexed(GLsizei count, const void* indices) {
  const auto* index = static_cast<const Index*>(indices);
  for (GLsizei i = 0; i < count; ++i) vertices.push_back(ArrayVertex(index[i]));
}
}  // namespace

extern "C" {
void glBegin(GLenum mode) {
  if (insideBegin) {
    RecordError(GL_INVALID_OPERATION);
    return;
  }
  insideBegin = true;
  beginMode = mode;
  vertices.clear();
}

void glEnd() {
  if (!insideBegin) {
    RecordError(GL_INVALID_OPERATION);
    return;
  }
  insideBegin = false;
  DrawVertices(beginMode, vertices);
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  if (insideBegin) vertices.push_back(CurrentVertex(x, y, z, 1.0f));
}
void glVertex3fv(const GLfloat* v) { glVertex3f(v[0], v[1], v[2]); }
void glVertex2f(GLfloat x, GLfloat y) { glVertex3f(x, y, 0.0f); }

void glRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
  glBegin(GL_POLYGON);
  glVertex2f(static_cast<float>(x1), static_cast<float>(y1));
  glVertex2f(static_cast<float>(x2), static_cast<float>(y1));
  glVertex2f(static_cast<float>(x2), static_cast<float>(y2));
  glVertex2f(static_cast<float>(x1), static_cast<float>(y2));
  glEnd();
}

void glEnableClientState(GLenum array) { EnableArray(array, true); }
void glDisableClientState(GLenum array) { EnableArray(array, false); }

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  SetArray(fixedState.vertexArray, size, type, stride, pointer);
}
void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
  SetArray(fixedState.normalArray, 3, type, stride, pointer);
}
void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  SetArray(fixedState.texCoordArray, size, type, stride, pointer);
}
void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
  SetArray(fixedState.colorArray, size, type, stride, pointer);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
  if (!ReadyToDrawArrays()) return;
  vertices.clear();
  for (GLint i = first; i < first + count; ++i) vertices.push_back(ArrayVertex(i));
  DrawVertices(mode, vertices);
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
  if (!ReadyToDrawArrays()) return;
  vertices.clear();
  switch (type) {
    case GL_UNSIGNED_BYTE:
      GatherIndexed<GLubyte>(count, indices);
      break;
    case GL_UNSIGNED_SHORT:
      GatherIndexed<GLushort>(count, indices);
      break;
    case GL_UNSIGNED_INT:
      GatherIndexed<GLuint>(count, indices);
      break;
    default:
      RecordError(GL_INVALID_ENUM);
      return;
  }
  DrawVertices(mode, vertices);
}
}
