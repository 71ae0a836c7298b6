// The one shader program of the fixed-function layer, in GLSL ES 1.00: the
// OpenGL 1.1 vertex equations (projection, lighting, sphere map) and the
// fragment ones (texture, fog).
#pragma once

extern const char* const kFixedVertexShader;
extern const char* const kFixedFragmentShader;

// Attribute locations, bound before linking.
enum FixedAttribute { kPositionAttribute, kNormalAttribute, kColorAttribute, kTexCoordAttribute };
