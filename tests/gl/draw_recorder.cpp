#include "tests/gl/draw_recorder.h"

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
std::vector<RecordedDraw>* recording = nullptr;

template <typename Function>
Function RealFunction(const char* name) {
  void* found = dlsym(RTLD_NEXT, name);
  if (found == nullptr) {
    std::fprintf(stderr, "draw_recorder: no %s after the test program\n", name);
    std::abort();
  }
  return reinterpret_cast<Function>(found);
}

const auto realDrawArrays = RealFunction<void (*)(GLenum, GLint, GLsizei)>("glDrawArrays");
const auto realDrawElements =
    RealFunction<void (*)(GLenum, GLsizei, GLenum, const GLvoid*)>("glDrawElements");

// Three floats of an enabled float array at index, whatever its stride.
void AppendTriple(GLenum pointerName, GLenum sizeName, GLenum strideName, GLint index,
                  std::vector<GLfloat>& out) {
  GLvoid* pointer = nullptr;
  glGetPointerv(pointerName, &pointer);
  GLint size = 3;
  if (sizeName != 0) glGetIntegerv(sizeName, &size);
  GLint stride = 0;
  glGetIntegerv(strideName, &stride);
  const auto step = static_cast<std::size_t>(stride != 0 ? stride : size * sizeof(GLfloat));
  const auto* element =
      reinterpret_cast<const GLfloat*>(static_cast<const char*>(pointer) + index * step);
  for (int i = 0; i < 3; ++i) out.push_back(i < size ? element[i] : 0.0f);
}

void AppendVertex(RecordedDraw& draw, GLint index) {
  AppendTriple(GL_VERTEX_ARRAY_POINTER, GL_VERTEX_ARRAY_SIZE, GL_VERTEX_ARRAY_STRIDE, index,
               draw.positions);
  if (glIsEnabled(GL_NORMAL_ARRAY)) {
    AppendTriple(GL_NORMAL_ARRAY_POINTER, 0, GL_NORMAL_ARRAY_STRIDE, index, draw.normals);
  }
}

// Only float arrays are read: any other type is recorded as no vertices,
// which no float stream equals.
bool FloatArrays() {
  GLint vertexType = 0;
  glGetIntegerv(GL_VERTEX_ARRAY_TYPE, &vertexType);
  GLint normalType = GL_FLOAT;
  if (glIsEnabled(GL_NORMAL_ARRAY)) glGetIntegerv(GL_NORMAL_ARRAY_TYPE, &normalType);
  return glIsEnabled(GL_VERTEX_ARRAY) && vertexType == GL_FLOAT && normalType == GL_FLOAT;
}

GLint IndexAt(GLenum type, const GLvoid* indices, GLsizei i) {
  switch (type) {
    case GL_UNSIGNED_BYTE:
      return static_cast<const GLubyte*>(indices)[i];
    case GL_UNSIGNED_SHORT:
      return static_cast<const GLushort*>(indices)[i];
    default:
      return static_cast<GLint>(static_cast<const GLuint*>(indices)[i]);
  }
}
}  // namespace

std::vector<RecordedDraw> RecordDraws(const std::function<void()>& draw) {
  std::vector<RecordedDraw> draws;
  recording = &draws;
  draw();
  recording = nullptr;
  return draws;
}

extern "C" void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
  if (recording != nullptr) {
    RecordedDraw& draw = recording->emplace_back(RecordedDraw{mode, {}, {}});
    if (FloatArrays()) {
      for (GLint i = first; i < first + count; ++i) AppendVertex(draw, i);
    }
  }
  realDrawArrays(mode, first, count);
}

extern "C" void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
  if (recording != nullptr) {
    RecordedDraw& draw = recording->emplace_back(RecordedDraw{mode, {}, {}});
    if (FloatArrays()) {
      for (GLsizei i = 0; i < count; ++i) AppendVertex(draw, IndexAt(type, indices, i));
    }
  }
  realDrawElements(mode, count, type, indices);
}
