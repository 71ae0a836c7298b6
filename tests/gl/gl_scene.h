// Helpers of the GL tests: a scene started from fixed values, and pixel reads.
#pragma once

#include <array>
#include <cstdint>

#include <GL/gl.h>

#include "tests/support/fake_platform.h"
#include "tests/support/matrix.h"

constexpr int kSurfaceWidth = 640;
constexpr int kSurfaceHeight = 480;

using Rgb = std::array<int, 3>;

// Resets the scene state and runs SetupView on the whole surface.
void StartScene(FakePlatform& platform, std::uint32_t seed, int detail);
// The pixel at (x, y) counted from the top left, as a picture is read.
Rgb PixelAt(int x, int y);

// Read-back OpenGL state.
Matrix ReadMatrix(GLenum which);
GLint ReadInteger(GLenum which);
