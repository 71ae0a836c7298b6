#include "shell/web/fixed_function/state.h"

namespace {
FixedFunctionState StartState() {
  FixedFunctionState state;
  // Light 0 alone starts white.
  state.attributes.lights[0].diffuse = {1, 1, 1, 1};
  state.attributes.lights[0].specular = {1, 1, 1, 1};
  return state;
}
}  // namespace

FixedFunctionState fixedState = StartState();

std::vector<Matrix4>& CurrentMatrixStack() {
  return fixedState.attributes.matrixMode == GL_PROJECTION ? fixedState.projection
                                                           : fixedState.modelView;
}

void RecordError(GLenum error) {
  if (fixedState.error == GL_NO_ERROR) fixedState.error = error;
}
