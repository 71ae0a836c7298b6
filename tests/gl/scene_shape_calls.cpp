#include "tests/gl/scene_shape_calls.h"

#include <GL/gl.h>

namespace {
std::set<ShapeCall>* recording = nullptr;

void Record(const ShapeCall& call) {
  if (recording != nullptr) recording->insert(call);
}
}  // namespace

std::set<ShapeCall> RecordShapeCalls(const std::function<void()>& draw) {
  std::set<ShapeCall> calls;
  recording = &calls;
  draw();
  recording = nullptr;
  return calls;
}

// The library's own functions, under the names ld --wrap gives them.
extern "C" void __real_glutSolidCube(double size);
extern "C" void __real_glutSolidSphere(double radius, GLint slices, GLint stacks);
extern "C" void __real_glutSolidTorus(double inner, double outer, GLint sides, GLint rings);

extern "C" void __wrap_glutSolidCube(double size) {
  Record({ShapeKind::kCube, size, 0.0, 0, 0});
  __real_glutSolidCube(size);
}

extern "C" void __wrap_glutSolidSphere(double radius, GLint slices, GLint stacks) {
  Record({ShapeKind::kSphere, radius, 0.0, slices, stacks});
  __real_glutSolidSphere(radius, slices, stacks);
}

extern "C" void __wrap_glutSolidTorus(double inner, double outer, GLint sides, GLint rings) {
  Record({ShapeKind::kTorus, inner, outer, sides, rings});
  __real_glutSolidTorus(inner, outer, sides, rings);
}
