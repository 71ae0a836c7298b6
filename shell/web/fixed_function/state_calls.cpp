// The gl* calls that set or read the fixed-function state: capabilities,
// lights, materials, the current colour, normal and texture coordinates, fog,
// texture generation, culling and the attribute stack.
#include <GL/gl.h>
#include <webgl/webgl1.h>

#include "shell/web/fixed_function/draw.h"
#include "shell/web/fixed_function/state.h"

namespace {
Attributes& Now() { return fixedState.attributes; }

// The flag behind a capability, or null for one this layer does not know.
bool* Capability(GLenum cap) {
  Enables& e = Now().enables;
  if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + kLightCount) return &e.light[cap - GL_LIGHT0];
  switch (cap) {
    case GL_LIGHTING:
      return &e.lighting;
    case GL_COLOR_MATERIAL:
      return &e.colorMaterial;
    case GL_NORMALIZE:
      return &e.normalize;
    case GL_FOG:
      return &e.fog;
    case GL_TEXTURE_2D:
      return &e.texture2D;
    case GL_TEXTURE_GEN_S:
      return &e.texGenS;
    case GL_TEXTURE_GEN_T:
      return &e.texGenT;
    case GL_ALPHA_TEST:
      return &e.alphaTest;
    case GL_DEPTH_TEST:
      return &e.depthTest;
    case GL_BLEND:
      return &e.blend;
    case GL_CULL_FACE:
      return &e.cullFace;
    case GL_STENCIL_TEST:
      return &e.stencilTest;
    default:
      return nullptr;
  }
}

void SetCapability(GLenum cap, bool on) {
  bool* flag = Capability(cap);
  if (flag == nullptr) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  *flag = on;
  StateChanged();
}

// With colour material on, the current colour goes into the tracked material
// colours whenever either changes.
void TrackColor() {
  Attributes& a = Now();
  if (!a.enables.colorMaterial) return;
  Material& m = a.material;
  switch (a.colorMaterialMode) {
    case GL_AMBIENT:
      m.ambient = a.color;
      break;
    case GL_DIFFUSE:
      m.diffuse = a.color;
      break;
    case GL_SPECULAR:
      m.specular = a.color;
      break;
    case GL_EMISSION:
      m.emission = a.color;
      break;
    default:
      m.ambient = a.color;
      m.diffuse = a.color;
      break;
  }
}

Color ToColor(const GLfloat* v) { return {v[0], v[1], v[2], v[3]}; }

void SetColor(float r, float g, float b, float alpha) {
  // The colour reaches the shader with each vertex, which takes it for the
  // tracked material colours too: the material keeps it only for when colour
  // material is switched off, which is a change of state itself.
  Now().color = {r, g, b, alpha};
  TrackColor();
}

void RestoreGroups(const SavedAttributes& saved) {
  const Attributes& from = saved.attributes;
  Attributes& to = Now();
  const GLbitfield mask = saved.mask;
  if (mask & GL_ENABLE_BIT) to.enables = from.enables;
  if (mask & GL_CURRENT_BIT) {
    to.color = from.color;
    to.normal = from.normal;
    to.texCoord = from.texCoord;
  }
  if (mask & GL_LIGHTING_BIT) {
    to.lights = from.lights;
    to.material = from.material;
    to.lightModelAmbient = from.lightModelAmbient;
    to.colorMaterialMode = from.colorMaterialMode;
    to.enables.lighting = from.enables.lighting;
    to.enables.light = from.enables.light;
    to.enables.colorMaterial = from.enables.colorMaterial;
  }
  if (mask & GL_FOG_BIT) {
    to.fogColor = from.fogColor;
    to.fogMode = from.fogMode;
    to.fogDensity = from.fogDensity;
    to.fogStart = from.fogStart;
    to.fogEnd = from.fogEnd;
    to.enables.fog = from.enables.fog;
  }
  if (mask & GL_TRANSFORM_BIT) {
    to.matrixMode = from.matrixMode;
    to.enables.normalize = from.enables.normalize;
  }
  if (mask & GL_POLYGON_BIT) {
    to.cullFaceMode = from.cullFaceMode;
    to.frontFace = from.frontFace;
    to.enables.cullFace = from.enables.cullFace;
  }
}
}  // namespace

extern "C" {
void glEnable(GLenum cap) {
  SetCapability(cap, true);
  if (cap == GL_COLOR_MATERIAL) TrackColor();
}
void glDisable(GLenum cap) { SetCapability(cap, false); }

GLboolean glIsEnabled(GLenum cap) {
  const bool* flag = Capability(cap);
  if (flag == nullptr) {
    RecordError(GL_INVALID_ENUM);
    return GL_FALSE;
  }
  return *flag ? GL_TRUE : GL_FALSE;
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) { SetColor(r, g, b, 1.0f); }
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat alpha) { SetColor(r, g, b, alpha); }
void glColor4fv(const GLfloat* v) { SetColor(v[0], v[1], v[2], v[3]); }
void glColor3fv(const GLfloat* v) { SetColor(v[0], v[1], v[2], 1.0f); }

void glNormal3f(GLfloat x, GLfloat y, GLfloat z) { Now().normal = {x, y, z}; }
void glNormal3fv(const GLfloat* v) { glNormal3f(v[0], v[1], v[2]); }

void glTexCoord2f(GLfloat s, GLfloat t) { Now().texCoord = {s, t}; }

void glLightfv(GLenum light, GLenum name, const GLfloat* v) {
  if (light < GL_LIGHT0 || light >= GL_LIGHT0 + kLightCount) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  Light& l = Now().lights[light - GL_LIGHT0];
  switch (name) {
    case GL_AMBIENT:
      l.ambient = ToColor(v);
      break;
    case GL_DIFFUSE:
      l.diffuse = ToColor(v);
      break;
    case GL_SPECULAR:
      l.specular = ToColor(v);
      break;
    case GL_POSITION:
      l.eyePosition = Transform(fixedState.modelView.back(), v);
      break;
    case GL_CONSTANT_ATTENUATION:
      l.constantAttenuation = v[0];
      break;
    case GL_LINEAR_ATTENUATION:
      l.linearAttenuation = v[0];
      break;
    case GL_QUADRATIC_ATTENUATION:
      l.quadraticAttenuation = v[0];
      break;
    default:
      RecordError(GL_INVALID_ENUM);
      return;
  }
  StateChanged();
}

void glLightf(GLenum light, GLenum name, GLfloat value) {
  if (name != GL_CONSTANT_ATTENUATION && name != GL_LINEAR_ATTENUATION &&
      name != GL_QUADRATIC_ATTENUATION) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  glLightfv(light, name, &value);
}

void glMaterialfv(GLenum face, GLenum name, const GLfloat* v) {
  // The back material is never used without two-sided lighting.
  if (face == GL_BACK) return;
  Material& m = Now().material;
  switch (name) {
    case GL_AMBIENT:
      m.ambient = ToColor(v);
      break;
    case GL_DIFFUSE:
      m.diffuse = ToColor(v);
      break;
    case GL_SPECULAR:
      m.specular = ToColor(v);
      break;
    case GL_EMISSION:
      m.emission = ToColor(v);
      break;
    case GL_AMBIENT_AND_DIFFUSE:
      m.ambient = ToColor(v);
      m.diffuse = ToColor(v);
      break;
    case GL_SHININESS:
      m.shininess = v[0];
      break;
    default:
      RecordError(GL_INVALID_ENUM);
      return;
  }
  StateChanged();
}

void glMaterialf(GLenum face, GLenum name, GLfloat value) {
  if (name != GL_SHININESS) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  glMaterialfv(face, name, &value);
}

void glColorMaterial(GLenum, GLenum mode) {
  Now().colorMaterialMode = mode;
  TrackColor();
  StateChanged();
}

void glFogfv(GLenum name, const GLfloat* v) {
  Attributes& a = Now();
  switch (name) {
    case GL_FOG_COLOR:
      a.fogColor = ToColor(v);
      break;
    case GL_FOG_START:
      a.fogStart = v[0];
      break;
    case GL_FOG_END:
      a.fogEnd = v[0];
      break;
    case GL_FOG_DENSITY:
      a.fogDensity = v[0];
      break;
    case GL_FOG_MODE:
      a.fogMode = static_cast<GLenum>(v[0]);
      break;
    default:
      RecordError(GL_INVALID_ENUM);
      return;
  }
  StateChanged();
}
void glFogf(GLenum name, GLfloat value) { glFogfv(name, &value); }
void glFogi(GLenum name, GLint value) {
  const GLfloat asFloat = static_cast<GLfloat>(value);
  glFogfv(name, &asFloat);
}

void glTexGeni(GLenum coord, GLenum name, GLint mode) {
  if (name != GL_TEXTURE_GEN_MODE || (coord != GL_S && coord != GL_T)) {
    RecordError(GL_INVALID_ENUM);
    return;
  }
  (coord == GL_S ? Now().texGenModeS : Now().texGenModeT) = static_cast<GLenum>(mode);
  StateChanged();
}

void glCullFace(GLenum mode) {
  Now().cullFaceMode = mode;
  StateChanged();
}
void glFrontFace(GLenum mode) {
  Now().frontFace = mode;
  StateChanged();
}

void glPolygonMode(GLenum, GLenum mode) {
  if (mode != GL_FILL) RecordError(GL_INVALID_ENUM);
}

void glPushAttrib(GLbitfield mask) {
  if (fixedState.attributeStack.size() >= kAttributeStackDepth) {
    RecordError(GL_STACK_OVERFLOW);
    return;
  }
  fixedState.attributeStack.push_back({mask, Now()});
}

void glPopAttrib() {
  if (fixedState.attributeStack.empty()) {
    RecordError(GL_STACK_UNDERFLOW);
    return;
  }
  RestoreGroups(fixedState.attributeStack.back());
  fixedState.attributeStack.pop_back();
  StateChanged();
}

void glGetIntegerv(GLenum name, GLint* values) {
  switch (name) {
    case GL_MODELVIEW_STACK_DEPTH:
      *values = static_cast<GLint>(fixedState.modelView.size());
      return;
    case GL_PROJECTION_STACK_DEPTH:
      *values = static_cast<GLint>(fixedState.projection.size());
      return;
    case GL_MATRIX_MODE:
      *values = static_cast<GLint>(Now().matrixMode);
      return;
    default:
      emscripten_glGetIntegerv(name, values);
  }
}

void glGetFloatv(GLenum name, GLfloat* values) {
  const Matrix4* matrix = name == GL_MODELVIEW_MATRIX    ? &fixedState.modelView.back()
                          : name == GL_PROJECTION_MATRIX ? &fixedState.projection.back()
                                                         : nullptr;
  if (matrix == nullptr) {
    emscripten_glGetFloatv(name, values);
    return;
  }
  for (int i = 0; i < 16; ++i) values[i] = (*matrix)[i];
}

GLenum glGetError() {
  FlushVertices();
  const GLenum own = fixedState.error;
  fixedState.error = GL_NO_ERROR;
  return own != GL_NO_ERROR ? own : emscripten_glGetError();
}
}
