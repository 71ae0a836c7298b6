// The shader programs of the fixed-function layer, in GLSL ES 1.00: the
// OpenGL 1.1 vertex equations (projection, lighting, sphere map) and the
// fragment ones (texture, fog). Each is compiled for the features that are on,
// with these defined as 0 or 1 before it: LIGHTING, TEXTURING, SPHERE_MAP_S
// and SPHERE_MAP_T; and FOG_MODE: 0 off, 1 linear, 2 exp, 3 exp2.
#pragma once

extern const char* const kFixedVertexShader;
extern const char* const kFixedFragmentShader;

// Attribute locations, bound before linking.
enum FixedAttribute { kPositionAttribute, kNormalAttribute, kColorAttribute, kTexCoordAttribute };
