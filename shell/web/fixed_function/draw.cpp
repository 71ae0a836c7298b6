#include "shell/web/fixed_function/draw.h"

#include <emscripten.h>
#include <emscripten/html5.h>
#include <webgl/webgl1.h>

#include <cstddef>

#include "shell/web/fixed_function/fixed_function.h"
#include "shell/web/fixed_function/program.h"
#include "shell/web/fixed_function/shaders.h"
#include "shell/web/fixed_function/state.h"

namespace {
// Primitives gathered for one draw call, in eye space, with the state they
// were given under: the state may have moved on by the time they are drawn.
struct Batch {
  GLenum primitive = GL_TRIANGLES;  // WebGL's: triangles, lines or points
  std::vector<FixedVertex> vertices;
  std::vector<GLuint> indices;
  unsigned stateVersion = 0;
  Attributes attributes;
  Matrix4 projection{};
};

Batch batch;
GLuint vertexBuffer = 0;
GLuint indexBuffer = 0;
// The normal matrix of the model-view matrix of this version.
unsigned normalMatrixVersion = 0;
Matrix3 normalMatrix{};
bool flushQueued = false;

void Attribute(FixedAttribute index, GLint size, std::size_t offset) {
  emscripten_glEnableVertexAttribArray(index);
  emscripten_glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, sizeof(FixedVertex),
                                   reinterpret_cast<const void*>(offset));
}

GLenum WebGLPrimitive(GLenum mode) {
  switch (mode) {
    case GL_POINTS:
      return GL_POINTS;
    case GL_LINES:
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
      return GL_LINES;
    default:
      return GL_TRIANGLES;
  }
}

void Add(std::initializer_list<GLuint> corners) {
  batch.indices.insert(batch.indices.end(), corners);
}

// The indices of a primitive of n vertices from first on, as lines, points or
// triangles. Quads are cut along the diagonal from the second corner to the
// fourth, as Mesa does, so that colours spread over a quad alike; strips keep
// the winding of their odd triangles, which culling sees.
void AddIndices(GLenum mode, GLuint first, GLuint n) {
  switch (mode) {
    case GL_POINTS:
      for (GLuint i = 0; i < n; ++i) Add({first + i});
      return;
    case GL_LINES:
      for (GLuint i = 0; i + 1 < n; i += 2) Add({first + i, first + i + 1});
      return;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
      for (GLuint i = 0; i + 1 < n; ++i) Add({first + i, first + i + 1});
      if (mode == GL_LINE_LOOP && n > 2) Add({first + n - 1, first});
      return;
    case GL_TRIANGLES:
      for (GLuint i = 0; i + 2 < n; i += 3) Add({first + i, first + i + 1, first + i + 2});
      return;
    case GL_TRIANGLE_STRIP:
    case GL_QUAD_STRIP:
      for (GLuint i = 0; i + 2 < n; ++i) {
        // A quad strip's last vertex without a partner draws nothing.
        if (mode == GL_QUAD_STRIP && i % 2 == 0 && i + 3 >= n) break;
        if (i % 2 == 0) {
          Add({first + i, first + i + 1, first + i + 2});
        } else {
          Add({first + i + 1, first + i, first + i + 2});
        }
      }
      return;
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
      for (GLuint i = 1; i + 1 < n; ++i) Add({first, first + i, first + i + 1});
      return;
    case GL_QUADS:
      for (GLuint q = first; q + 3 < first + n; q += 4) Add({q, q + 1, q + 3, q + 1, q + 2, q + 3});
      return;
    default:
      return;
  }
}

// OpenGL 1.1 numbers its primitives from GL_POINTS (0) to GL_POLYGON.
bool KnownMode(GLenum mode) { return mode <= GL_POLYGON; }

const Matrix3& CurrentNormalMatrix() {
  if (normalMatrixVersion != fixedState.matrixVersion) {
    normalMatrix = NormalMatrix(fixedState.modelView.back());
    normalMatrixVersion = fixedState.matrixVersion;
  }
  return normalMatrix;
}

void AddEyeVertices(const std::vector<FixedVertex>& vertices) {
  const Matrix4& modelView = fixedState.modelView.back();
  const Matrix3& n = CurrentNormalMatrix();
  for (const FixedVertex& v : vertices) {
    FixedVertex eye = v;
    const std::array<float, 4> position = Transform(modelView, v.position);
    for (int k = 0; k < 4; ++k) eye.position[k] = position[k];
    for (int row = 0; row < 3; ++row) {
      eye.normal[row] = n[row] * v.normal[0] + n[3 + row] * v.normal[1] + n[6 + row] * v.normal[2];
    }
    batch.vertices.push_back(eye);
  }
}

void DrawBatch() {
  emscripten_glBufferData(GL_ARRAY_BUFFER,
                          static_cast<GLsizeiptr>(batch.vertices.size() * sizeof(FixedVertex)),
                          batch.vertices.data(), GL_STREAM_DRAW);
  emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                          static_cast<GLsizeiptr>(batch.indices.size() * sizeof(GLuint)),
                          batch.indices.data(), GL_STREAM_DRAW);
  emscripten_glDrawElements(batch.primitive, static_cast<GLsizei>(batch.indices.size()),
                            GL_UNSIGNED_INT, nullptr);
}

// Flushes when the page's code returns to the browser, before the browser
// shows the canvas: a microtask runs then.
void QueueFlush() {
  if (flushQueued) return;
  flushQueued = true;
  EM_ASM(queueMicrotask(_vorn_fixed_function_flush));
}
}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void vorn_fixed_function_flush() {
  flushQueued = false;
  FlushVertices();
}

bool StartFixedFunction() {
  // Indices of 32 bits, so that a frame's primitives fit one draw call.
  const auto context = emscripten_webgl_get_current_context();
  if (!emscripten_webgl_enable_extension(context, "OES_element_index_uint") || !StartProgram()) {
    return false;
  }
  emscripten_glGenBuffers(1, &vertexBuffer);
  emscripten_glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  emscripten_glGenBuffers(1, &indexBuffer);
  emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
  Attribute(kPositionAttribute, 4, offsetof(FixedVertex, position));
  Attribute(kNormalAttribute, 3, offsetof(FixedVertex, normal));
  Attribute(kColorAttribute, 4, offsetof(FixedVertex, color));
  Attribute(kTexCoordAttribute, 2, offsetof(FixedVertex, texCoord));
  batch = Batch();
  return true;
}

void DrawVertices(GLenum mode, const std::vector<FixedVertex>& vertices) {
  if (!KnownMode(mode)) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  const GLenum primitive = WebGLPrimitive(mode);
  const Matrix4& projection = fixedState.projection.back();
  if (!batch.vertices.empty() &&
      (primitive != batch.primitive || fixedState.stateVersion != batch.stateVersion ||
       projection != batch.projection)) {
    FlushVertices();
  }
  if (batch.vertices.empty()) {
    batch.primitive = primitive;
    batch.stateVersion = fixedState.stateVersion;
    batch.attributes = fixedState.attributes;
    batch.projection = projection;
    QueueFlush();
  }
  AddIndices(mode, static_cast<GLuint>(batch.vertices.size()),
             static_cast<GLuint>(vertices.size()));
  AddEyeVertices(vertices);
}

void FlushVertices() {
  if (!batch.indices.empty() &&
      UseProgram(batch.stateVersion, batch.attributes, batch.projection)) {
    DrawBatch();
  }
  batch.vertices.clear();
  batch.indices.clear();
}
