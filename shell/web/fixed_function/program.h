// The shader programs of the fixed-function layer, one for each set of
// features that the state switches on (built when first needed), and the
// uniforms and WebGL capabilities that carry OpenGL 1.1's state to them.
#pragma once

#include "shell/web/fixed_function/matrix.h"
#include "shell/web/fixed_function/state.h"

// Builds the programs the scene starts with into the current WebGL context;
// false when they do not build there.
bool StartProgram();
// Makes the program for these attributes current, with them and the
// projection uploaded unless it has them already (stateVersion tells);
// false when that program does not build.
bool UseProgram(unsigned stateVersion, const Attributes& attributes, const Matrix4& projection);
