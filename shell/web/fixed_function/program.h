// The one shader program of the fixed-function layer, and the uniforms and
// WebGL capabilities that carry OpenGL 1.1's state to it.
#pragma once

#include "shell/web/fixed_function/matrix.h"
#include "shell/web/fixed_function/state.h"

// Builds the program into the current WebGL context and uses it; false when it
// does not build there.
bool StartProgram();
// Everything of the state that the program and WebGL's capabilities draw with.
void UploadState(const Attributes& attributes);
void UploadProjection(const Matrix4& projection);
