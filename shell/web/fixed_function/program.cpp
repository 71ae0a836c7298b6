#include "shell/web/fixed_function/program.h"

#include <webgl/webgl1.h>

#include "shell/web/fixed_function/shaders.h"
#include "shell/web/fixed_function/state.h"

namespace {
struct Uniforms {
  GLint projection, lighting, normalize, colorMaterial;
  GLint materialAmbient, materialDiffuse, materialSpecular, materialEmission, shininess;
  GLint modelAmbient, lightOn, lightPosition, lightAmbient, lightDiffuse, lightSpecular;
  GLint lightAttenuation, sphereMap, texturing, texture, fogMode, fogColor, fog;
};

GLuint program = 0;
Uniforms uniforms;

GLuint CompileShader(GLenum type, const char* source) {
  const GLuint shader = emscripten_glCreateShader(type);
  emscripten_glShaderSource(shader, 1, &source, nullptr);
  emscripten_glCompileShader(shader);
  GLint compiled = GL_FALSE;
  emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  return compiled == GL_TRUE ? shader : 0;
}

GLint Locate(const char* name) { return emscripten_glGetUniformLocation(program, name); }

void LocateUniforms() {
  uniforms = {Locate("uProjection"),       Locate("uLighting"),
              Locate("uNormalize"),        Locate("uColorMaterial"),
              Locate("uMaterialAmbient"),  Locate("uMaterialDiffuse"),
              Locate("uMaterialSpecular"), Locate("uMaterialEmission"),
              Locate("uShininess"),        Locate("uModelAmbient"),
              Locate("uLightOn"),          Locate("uLightPosition"),
              Locate("uLightAmbient"),     Locate("uLightDiffuse"),
              Locate("uLightSpecular"),    Locate("uLightAttenuation"),
              Locate("uSphereMap"),        Locate("uTexturing"),
              Locate("uTexture"),          Locate("uFogMode"),
              Locate("uFogColor"),         Locate("uFog")};
}

int ColorMaterialCode(const Attributes& a) {
  if (!a.enables.colorMaterial) return 0;
  switch (a.colorMaterialMode) {
    case GL_AMBIENT:
      return 2;
    case GL_DIFFUSE:
      return 3;
    case GL_SPECULAR:
      return 4;
    case GL_EMISSION:
      return 5;
    default:
      return 1;
  }
}

int FogCode(const Attributes& a) {
  if (!a.enables.fog) return 0;
  switch (a.fogMode) {
    case GL_LINEAR:
      return 1;
    case GL_EXP:
      return 2;
    default:
      return 3;
  }
}

void SetCapability(GLenum cap, bool on) {
  if (on) {
    emscripten_glEnable(cap);
  } else {
    emscripten_glDisable(cap);
  }
}
}  // namespace

void UploadState(const Attributes& a) {
  const Enables& e = a.enables;
  const Material& m = a.material;
  emscripten_glUniform1i(uniforms.lighting, e.lighting);
  emscripten_glUniform1i(uniforms.normalize, e.normalize);
  emscripten_glUniform1i(uniforms.colorMaterial, ColorMaterialCode(a));
  emscripten_glUniform4fv(uniforms.materialAmbient, 1, m.ambient.data());
  emscripten_glUniform4fv(uniforms.materialDiffuse, 1, m.diffuse.data());
  emscripten_glUniform4fv(uniforms.materialSpecular, 1, m.specular.data());
  emscripten_glUniform4fv(uniforms.materialEmission, 1, m.emission.data());
  emscripten_glUniform1f(uniforms.shininess, m.shininess);
  emscripten_glUniform4fv(uniforms.modelAmbient, 1, a.lightModelAmbient.data());
  GLint on[kLightCount];
  float position[4 * kLightCount], ambient[4 * kLightCount], diffuse[4 * kLightCount];
  float specular[4 * kLightCount], attenuation[3 * kLightCount];
  for (int i = 0; i < kLightCount; ++i) {
    const Light& l = a.lights[i];
    on[i] = e.light[i];
    for (int k = 0; k < 4; ++k) {
      position[4 * i + k] = l.eyePosition[k];
      ambient[4 * i + k] = l.ambient[k];
      diffuse[4 * i + k] = l.diffuse[k];
      specular[4 * i + k] = l.specular[k];
    }
    attenuation[3 * i] = l.constantAttenuation;
    attenuation[3 * i + 1] = l.linearAttenuation;
    attenuation[3 * i + 2] = l.quadraticAttenuation;
  }
  emscripten_glUniform1iv(uniforms.lightOn, kLightCount, on);
  emscripten_glUniform4fv(uniforms.lightPosition, kLightCount, position);
  emscripten_glUniform4fv(uniforms.lightAmbient, kLightCount, ambient);
  emscripten_glUniform4fv(uniforms.lightDiffuse, kLightCount, diffuse);
  emscripten_glUniform4fv(uniforms.lightSpecular, kLightCount, specular);
  emscripten_glUniform3fv(uniforms.lightAttenuation, kLightCount, attenuation);
  emscripten_glUniform2i(uniforms.sphereMap, e.texGenS && a.texGenModeS == GL_SPHERE_MAP,
                         e.texGenT && a.texGenModeT == GL_SPHERE_MAP);
  emscripten_glUniform1i(uniforms.texturing, e.texture2D);
  emscripten_glUniform1i(uniforms.fogMode, FogCode(a));
  emscripten_glUniform4fv(uniforms.fogColor, 1, a.fogColor.data());
  emscripten_glUniform3f(uniforms.fog, a.fogStart, a.fogEnd, a.fogDensity);

  SetCapability(GL_DEPTH_TEST, e.depthTest);
  SetCapability(GL_BLEND, e.blend);
  SetCapability(GL_CULL_FACE, e.cullFace);
  SetCapability(GL_STENCIL_TEST, e.stencilTest);
  emscripten_glCullFace(a.cullFaceMode);
  emscripten_glFrontFace(a.frontFace);
}

void UploadProjection(const Matrix4& projection) {
  emscripten_glUniformMatrix4fv(uniforms.projection, 1, GL_FALSE, projection.data());
}

bool StartProgram() {
  const GLuint vertexShader = CompileShader(GL_VERTEX_SHADER, kFixedVertexShader);
  const GLuint fragmentShader = CompileShader(GL_FRAGMENT_SHADER, kFixedFragmentShader);
  if (vertexShader == 0 || fragmentShader == 0) return false;
  program = emscripten_glCreateProgram();
  emscripten_glAttachShader(program, vertexShader);
  emscripten_glAttachShader(program, fragmentShader);
  emscripten_glBindAttribLocation(program, kPositionAttribute, "aPosition");
  emscripten_glBindAttribLocation(program, kNormalAttribute, "aNormal");
  emscripten_glBindAttribLocation(program, kColorAttribute, "aColor");
  emscripten_glBindAttribLocation(program, kTexCoordAttribute, "aTexCoord");
  emscripten_glLinkProgram(program);
  GLint linked = GL_FALSE;
  emscripten_glGetProgramiv(program, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) return false;
  emscripten_glUseProgram(program);
  LocateUniforms();
  emscripten_glUniform1i(uniforms.texture, 0);
  return true;
}
