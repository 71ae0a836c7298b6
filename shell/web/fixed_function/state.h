// The OpenGL 1.1 state that the fixed-function layer keeps on the CPU side, as
// the gl* entry points set it and the draw calls upload it.
#pragma once

#include <GL/gl.h>

#include <array>
#include <vector>

#include "shell/web/fixed_function/matrix.h"

using Color = std::array<float, 4>;

constexpr int kLightCount = 2;

struct Light {
  Color ambient{0, 0, 0, 1};
  Color diffuse{0, 0, 0, 1};
  Color specular{0, 0, 0, 1};
  std::array<float, 4> eyePosition{0, 0, 1, 0};  // transformed when set, as OpenGL does
  float constantAttenuation = 1.0f;
  float linearAttenuation = 0.0f;
  float quadraticAttenuation = 0.0f;
};

struct Material {
  Color ambient{0.2f, 0.2f, 0.2f, 1};
  Color diffuse{0.8f, 0.8f, 0.8f, 1};
  Color specular{0, 0, 0, 1};
  Color emission{0, 0, 0, 1};
  float shininess = 0.0f;
};

struct Enables {
  bool lighting = false;
  std::array<bool, kLightCount> light{};
  bool colorMaterial = false;
  bool normalize = false;
  bool fog = false;
  bool texture2D = false;
  bool texGenS = false;
  bool texGenT = false;
  bool alphaTest = false;
  // WebGL's own, passed on before each draw.
  bool depthTest = false;
  bool blend = false;
  bool cullFace = false;
  bool stencilTest = false;
};

// Everything glPushAttrib can save, by group.
struct Attributes {
  Enables enables;
  // GL_CURRENT_BIT
  Color color{1, 1, 1, 1};
  std::array<float, 3> normal{0, 0, 1};
  std::array<float, 2> texCoord{0, 0};
  // GL_LIGHTING_BIT
  std::array<Light, kLightCount> lights;
  Material material;
  Color lightModelAmbient{0.2f, 0.2f, 0.2f, 1};
  GLenum colorMaterialMode = GL_AMBIENT_AND_DIFFUSE;
  // GL_FOG_BIT
  Color fogColor{0, 0, 0, 0};
  GLenum fogMode = GL_EXP;
  float fogDensity = 1.0f;
  float fogStart = 0.0f;
  float fogEnd = 1.0f;
  // GL_TRANSFORM_BIT
  GLenum matrixMode = GL_MODELVIEW;
  // GL_POLYGON_BIT
  GLenum cullFaceMode = GL_BACK;
  GLenum frontFace = GL_CCW;
  // Not saved by any group that is implemented.
  GLenum texGenModeS = GL_EYE_LINEAR;
  GLenum texGenModeT = GL_EYE_LINEAR;
};

struct ClientArray {
  bool enabled = false;
  GLint size = 4;
  GLsizei stride = 0;  // in bytes; 0 packs the elements tightly
  const float* pointer = nullptr;
};

struct SavedAttributes {
  GLbitfield mask;
  Attributes attributes;
};

struct FixedFunctionState {
  Attributes attributes;
  std::vector<Matrix4> modelView{IdentityMatrix()};
  std::vector<Matrix4> projection{IdentityMatrix()};
  std::vector<SavedAttributes> attributeStack;
  ClientArray vertexArray;
  ClientArray normalArray{false, 3, 0, nullptr};
  ClientArray texCoordArray;
  ClientArray colorArray;
  GLenum error = GL_NO_ERROR;
  // Counts changes, so that a draw uploads only what changed since the last.
  unsigned stateVersion = 1;
  unsigned matrixVersion = 1;
};

extern FixedFunctionState fixedState;

// The stack that the matrix calls work on, by the matrix mode.
std::vector<Matrix4>& CurrentMatrixStack();
// Keeps the first error until glGetError reads it, as OpenGL does.
void RecordError(GLenum error);
// Marks the state changed for the next draw.
inline void StateChanged() { ++fixedState.stateVersion; }

constexpr std::size_t kModelViewStackDepth = 32;
constexpr std::size_t kProjectionStackDepth = 4;
constexpr std::size_t kAttributeStackDepth = 16;
