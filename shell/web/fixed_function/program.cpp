#include "shell/web/fixed_function/program.h"

#include <webgl/webgl1.h>

#include <string>
#include <vector>

#include "shell/web/fixed_function/shaders.h"
#include "shell/web/fixed_function/state.h"

namespace {
struct Uniforms {
  GLint projection, normalize, colorMaterial;
  GLint materialAmbient, materialDiffuse, materialSpecular, materialEmission, shininess;
  GLint modelAmbient, lightOn, lightPosition, lightAmbient, lightDiffuse, lightSpecular;
  GLint lightAttenuation, fogColor, fog;
};

// A program built for one set of features, and what it was last given: a
// program keeps its uniforms while another one draws.
struct Program {
  unsigned features;
  GLuint id;
  Uniforms uniforms;
  unsigned uploadedState;
  Matrix4 uploadedProjection;
};

std::vector<Program> programs;
GLuint currentProgram = 0;
unsigned capabilitiesState = 0;

GLuint CompileShader(GLenum type, const std::string& source) {
  const GLuint shader = emscripten_glCreateShader(type);
  const char* text = source.c_str();
  emscripten_glShaderSource(shader, 1, &text, nullptr);
  emscripten_glCompileShader(shader);
  GLint compiled = GL_FALSE;
  emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  return compiled == GL_TRUE ? shader : 0;
}

Uniforms LocateUniforms(GLuint program) {
  const auto Locate = [program](const char* name) {
    return emscripten_glGetUniformLocation(program, name);
  };
  return {Locate("uProjection"),
          Locate("uNormalize"),
          Locate("uColorMaterial"),
          Locate("uMaterialAmbient"),
          Locate("uMaterialDiffuse"),
          Locate("uMaterialSpecular"),
          Locate("uMaterialEmission"),
          Locate("uShininess"),
          Locate("uModelAmbient"),
          Locate("uLightOn"),
          Locate("uLightPosition"),
          Locate("uLightAmbient"),
          Locate("uLightDiffuse"),
          Locate("uLightSpecular"),
          Locate("uLightAttenuation"),
          Locate("uFogColor"),
          Locate("uFog")};
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

// The features a program is built for, as bits: lighting, texturing, sphere
// maps for S and T (which only a texture sees), and the fog mode's code.
constexpr unsigned kLighting = 1;
constexpr unsigned kTexturing = 2;
constexpr unsigned kSphereMapS = 4;
constexpr unsigned kSphereMapT = 8;
constexpr unsigned kFogShift = 4;
constexpr unsigned kLinearFog = 1 << kFogShift;

// The sets of features that the scene's passes draw with (the floor, the
// shadows, the lit and reflecting shapes), built at the start: a program
// built in the middle of a frame waits there for all the work WebGL was
// given before it, the scene's textures among it.
constexpr unsigned kStartFeatures[] = {
    kLighting | kLinearFog, kLinearFog,
    kLighting | kTexturing | kSphereMapS | kSphereMapT | kLinearFog};

unsigned Features(const Attributes& a) {
  const Enables& e = a.enables;
  const bool sphereS = e.texture2D && e.texGenS && a.texGenModeS == GL_SPHERE_MAP;
  const bool sphereT = e.texture2D && e.texGenT && a.texGenModeT == GL_SPHERE_MAP;
  return (e.lighting ? kLighting : 0) | (e.texture2D ? kTexturing : 0) |
         (sphereS ? kSphereMapS : 0) | (sphereT ? kSphereMapT : 0) |
         static_cast<unsigned>(FogCode(a)) << kFogShift;
}

std::string Defines(unsigned features) {
  const auto Define = [features](const char* name, unsigned value) {
    return "#define " + std::string(name) + ((features & value) != 0 ? " 1\n" : " 0\n");
  };
  return Define("LIGHTING", kLighting) + Define("TEXTURING", kTexturing) +
         Define("SPHERE_MAP_S", kSphereMapS) + Define("SPHERE_MAP_T", kSphereMapT) +
         "#define FOG_MODE " + std::to_string(features >> kFogShift) + "\n";
}

// The program for these features, built on its first use; null when it does not build.
Program* ProgramFor(unsigned features) {
  for (Program& program : programs) {
    if (program.features == features) return &program;
  }
  const std::string defines = Defines(features);
  const GLuint vertexShader = CompileShader(GL_VERTEX_SHADER, defines + kFixedVertexShader);
  const GLuint fragmentShader = CompileShader(GL_FRAGMENT_SHADER, defines + kFixedFragmentShader);
  if (vertexShader == 0 || fragmentShader == 0) return nullptr;
  const GLuint id = emscripten_glCreateProgram();
  emscripten_glAttachShader(id, vertexShader);
  emscripten_glAttachShader(id, fragmentShader);
  emscripten_glBindAttribLocation(id, kPositionAttribute, "aPosition");
  emscripten_glBindAttribLocation(id, kNormalAttribute, "aNormal");
  emscripten_glBindAttribLocation(id, kColorAttribute, "aColor");
  emscripten_glBindAttribLocation(id, kTexCoordAttribute, "aTexCoord");
  emscripten_glLinkProgram(id);
  GLint linked = GL_FALSE;
  emscripten_glGetProgramiv(id, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) return nullptr;
  programs.push_back({features, id, LocateUniforms(id), 0, {}});
  return &programs.back();
}

void SetCapability(GLenum cap, bool on) {
  if (on) {
    emscripten_glEnable(cap);
  } else {
    emscripten_glDisable(cap);
  }
}

void SetCapabilities(const Attributes& a) {
  const Enables& e = a.enables;
  SetCapability(GL_DEPTH_TEST, e.depthTest);
  SetCapability(GL_BLEND, e.blend);
  SetCapability(GL_CULL_FACE, e.cullFace);
  SetCapability(GL_STENCIL_TEST, e.stencilTest);
  emscripten_glCullFace(a.cullFaceMode);
  emscripten_glFrontFace(a.frontFace);
}

void UploadUniforms(const Uniforms& uniforms, const Attributes& a) {
  const Enables& e = a.enables;
  const Material& m = a.material;
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
  emscripten_glUniform4fv(uniforms.fogColor, 1, a.fogColor.data());
  emscripten_glUniform3f(uniforms.fog, a.fogStart, a.fogEnd, a.fogDensity);
}
}  // namespace

bool StartProgram() {
  programs.clear();
  currentProgram = 0;
  capabilitiesState = 0;
  for (const unsigned features : kStartFeatures) {
    if (ProgramFor(features) == nullptr) return false;
  }
  return true;
}

bool UseProgram(unsigned stateVersion, const Attributes& attributes, const Matrix4& projection) {
  Program* program = ProgramFor(Features(attributes));
  if (program == nullptr) return false;
  if (program->id != currentProgram) {
    emscripten_glUseProgram(program->id);
    currentProgram = program->id;
  }
  if (program->uploadedState != stateVersion) {
    UploadUniforms(program->uniforms, attributes);
    program->uploadedState = stateVersion;
  }
  if (program->uploadedProjection != projection) {
    emscripten_glUniformMatrix4fv(program->uniforms.projection, 1, GL_FALSE, projection.data());
    program->uploadedProjection = projection;
  }
  if (capabilitiesState != stateVersion) {
    SetCapabilities(attributes);
    capabilitiesState = stateVersion;
  }
  return true;
}
