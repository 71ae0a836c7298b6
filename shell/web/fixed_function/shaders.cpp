#include "shell/web/fixed_function/shaders.h"

const char* const kFixedVertexShader = R"(
precision highp float;
attribute vec4 aPosition;
attribute vec3 aNormal;
attribute vec4 aColor;
attribute vec2 aTexCoord;

// Positions and normals arrive in eye space.
uniform mat4 uProjection;
uniform bool uNormalize;
// Which material colours follow the vertex colour: 0 none, 1 ambient and
// diffuse, 2 ambient, 3 diffuse, 4 specular, 5 emission.
uniform int uColorMaterial;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialSpecular;
uniform vec4 uMaterialEmission;
uniform float uShininess;
uniform vec4 uModelAmbient;
uniform bool uLightOn[2];
uniform vec4 uLightPosition[2];  // eye space
uniform vec4 uLightAmbient[2];
uniform vec4 uLightDiffuse[2];
uniform vec4 uLightSpecular[2];
uniform vec3 uLightAttenuation[2];  // constant, linear, quadratic

#if FOG_MODE == 1
uniform vec3 uFog;  // start, end, density
#endif

varying vec4 vColor;
varying vec2 vTexCoord;
// Linear fog's factor, unclamped: linear in the eye's distance, it comes out
// of the interpolation as it would per fragment. The other modes' distance.
varying float vFog;

vec4 Tracked(int mode, vec4 material) {
  return uColorMaterial == mode ? aColor : material;
}

vec4 Lit(vec3 eye, vec3 n) {
  bool both = uColorMaterial == 1;
  vec4 ambient = both ? aColor : Tracked(2, uMaterialAmbient);
  vec4 diffuse = both ? aColor : Tracked(3, uMaterialDiffuse);
  vec4 specular = Tracked(4, uMaterialSpecular);
  vec4 emission = Tracked(5, uMaterialEmission);
  vec3 sum = emission.rgb + ambient.rgb * uModelAmbient.rgb;
  for (int i = 0; i < 2; ++i) {
    if (!uLightOn[i]) continue;
    vec3 toLight;
    float attenuation = 1.0;
    if (uLightPosition[i].w != 0.0) {
      vec3 offset = uLightPosition[i].xyz / uLightPosition[i].w - eye;
      float d = length(offset);
      toLight = offset / d;
      vec3 k = uLightAttenuation[i];
      attenuation = 1.0 / (k.x + k.y * d + k.z * d * d);
    } else {
      toLight = normalize(uLightPosition[i].xyz);
    }
    float nDotL = max(dot(n, toLight), 0.0);
    vec3 halfway = normalize(toLight + vec3(0.0, 0.0, 1.0));
    float nDotH = max(dot(n, halfway), 0.0);
    // Stretched normals make the power overflow, and an infinite power times a
    // colour's zero channel would be NaN: the power stays finite.
    float shine = nDotL > 0.0 ? min(pow(nDotH, uShininess), 1e30) : 0.0;
    sum += attenuation * (ambient.rgb * uLightAmbient[i].rgb +
                          nDotL * diffuse.rgb * uLightDiffuse[i].rgb +
                          shine * specular.rgb * uLightSpecular[i].rgb);
  }
  return clamp(vec4(sum, diffuse.a), 0.0, 1.0);
}

void main() {
  vec4 eye = aPosition;
  gl_Position = uProjection * eye;
  vec3 n = aNormal;
  if (uNormalize && dot(n, n) > 0.0) n = normalize(n);
  vec3 eyePoint = eye.xyz / eye.w;
#if LIGHTING
  vColor = Lit(eyePoint, n);
#else
  vColor = clamp(aColor, 0.0, 1.0);
#endif
#if TEXTURING
  vTexCoord = aTexCoord;
#if SPHERE_MAP_S || SPHERE_MAP_T
  vec3 u = normalize(eyePoint);
  vec3 r = u - 2.0 * n * dot(n, u);
  float m = 2.0 * sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0) * (r.z + 1.0));
  vec2 generated = r.xy / m + 0.5;
#endif
#if SPHERE_MAP_S
  vTexCoord.x = generated.x;
#endif
#if SPHERE_MAP_T
  vTexCoord.y = generated.y;
#endif
#endif
#if FOG_MODE == 1
  vFog = (uFog.y - abs(eye.z)) / (uFog.y - uFog.x);
#else
  vFog = abs(eye.z);
#endif
}
)";

const char* const kFixedFragmentShader = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D uTexture;
uniform vec4 uFogColor;
#if FOG_MODE >= 2
uniform vec3 uFog;  // start, end, density
#endif

varying vec4 vColor;
varying vec2 vTexCoord;
varying float vFog;

void main() {
  vec4 color = vColor;
#if TEXTURING
  color *= texture2D(uTexture, vTexCoord);
#endif
#if FOG_MODE != 0
#if FOG_MODE == 1
  float f = vFog;
#elif FOG_MODE == 2
  float f = exp(-uFog.z * vFog);
#else
  float f = exp(-(uFog.z * vFog) * (uFog.z * vFog));
#endif
  color.rgb = mix(uFogColor.rgb, color.rgb, clamp(f, 0.0, 1.0));
#endif
  gl_FragColor = color;
}
)";
