#include "shell/web/fixed_function/draw.h"

#include <webgl/webgl1.h>

#include <cstddef>

#include "shell/web/fixed_function/fixed_function.h"
#include "shell/web/fixed_function/shaders.h"
#include "shell/web/fixed_function/state.h"

namespace {
struct Uniforms {
  GLint modelView, projection, normalMatrix, lighting, normalize, colorMaterial;
  GLint materialAmbient, materialDiffuse, materialSpecular, materialEmission, shininess;
  GLint modelAmbient, lightOn, lightPosition, lightAmbient, lightDiffuse, lightSpecular;
  GLint lightAttenuation, sphereMap, texturing, texture, fogMode, fogColor, fog;
};

GLuint program = 0;
GLuint vertexBuffer = 0;
Uniforms uniforms;
unsigned uploadedState = 0;
unsigned uploadedMatrices = 0;
std::vector<FixedVertex> triangles;

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
  uniforms = {Locate("uModelView"),        Locate("uProjection"),      Locate("uNormalMatrix"),
              Locate("uLighting"),         Locate("uNormalize"),       Locate("uColorMaterial"),
              Locate("uMaterialAmbient"),  Locate("uMaterialDiffuse"), Locate("uMaterialSpecular"),
              Locate("uMaterialEmission"), Locate("uShininess"),       Locate("uModelAmbient"),
              Locate("uLightOn"),          Locate("uLightPosition"),   Locate("uLightAmbient"),
              Locate("uLightDiffuse"),     Locate("uLightSpecular"),   Locate("uLightAttenuation"),
              Locate("uSphereMap"),        Locate("uTexturing"),       Locate("uTexture"),
              Locate("uFogMode"),          Locate("uFogColor"),        Locate("uFog")};
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

void UploadState() {
  const Attributes& a = fixedState.attributes;
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

void UploadMatrices() {
  const Matrix4& modelView = fixedState.modelView.back();
  emscripten_glUniformMatrix4fv(uniforms.modelView, 1, GL_FALSE, modelView.data());
  emscripten_glUniformMatrix4fv(uniforms.projection, 1, GL_FALSE,
                                fixedState.projection.back().data());
  emscripten_glUniformMatrix3fv(uniforms.normalMatrix, 1, GL_FALSE, NormalMatrix(modelView).data());
}

void Attribute(FixedAttribute index, GLint size, std::size_t offset) {
  emscripten_glEnableVertexAttribArray(index);
  emscripten_glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, sizeof(FixedVertex),
                                   reinterpret_cast<const void*>(offset));
}

// Quads, quad strips and polygons as WebGL's primitives; the others as they are.
GLenum AsWebGLPrimitive(GLenum mode, std::vector<FixedVertex>& vertices) {
  switch (mode) {
    case GL_QUADS: {
      // Cut along the diagonal from the second corner to the fourth, as Mesa
      // does, so that colours spread over a quad alike.
      triangles.clear();
      for (std::size_t q = 0; q + 3 < vertices.size(); q += 4) {
        for (const std::size_t corner : {0u, 1u, 3u, 1u, 2u, 3u}) {
          triangles.push_back(vertices[q + corner]);
        }
      }
      vertices.swap(triangles);
      return GL_TRIANGLES;
    }
    case GL_QUAD_STRIP:
      return GL_TRIANGLE_STRIP;
    case GL_POLYGON:
      return GL_TRIANGLE_FAN;
    default:
      return mode;
  }
}
}  // namespace

bool StartFixedFunction() {
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

  emscripten_glGenBuffers(1, &vertexBuffer);
  emscripten_glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  Attribute(kPositionAttribute, 4, offsetof(FixedVertex, position));
  Attribute(kNormalAttribute, 3, offsetof(FixedVertex, normal));
  Attribute(kColorAttribute, 4, offsetof(FixedVertex, color));
  Attribute(kTexCoordAttribute, 2, offsetof(FixedVertex, texCoord));
  uploadedState = 0;
  uploadedMatrices = 0;
  return true;
}

void DrawVertices(GLenum mode, std::vector<FixedVertex>& vertices) {
  const GLenum primitive = AsWebGLPrimitive(mode, vertices);
  if (vertices.empty()) return;
  if (uploadedState != fixedState.stateVersion) {
    UploadState();
    uploadedState = fixedState.stateVersion;
  }
  if (uploadedMatrices != fixedState.matrixVersion) {
    UploadMatrices();
    uploadedMatrices = fixedState.matrixVersion;
  }
  emscripten_glBufferData(GL_ARRAY_BUFFER,
                          static_cast<GLsizeiptr>(vertices.size() * sizeof(FixedVertex)),
                          vertices.data(), GL_STREAM_DRAW);
  emscripten_glDrawArrays(primitive, 0, static_cast<GLsizei>(vertices.size()));
}
