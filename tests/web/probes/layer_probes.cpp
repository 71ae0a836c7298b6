#include "tests/web/probes/layer_probes.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {
constexpr GLfloat kWhite[4] = {1, 1, 1, 1};
constexpr GLfloat kBlack[4] = {0, 0, 0, 1};
constexpr double kPi = 3.14159265358979323846;

// A unit sphere of vertex and normal arrays, drawn with glDrawElements as
// freeglut draws its shapes.
void Sphere() {
  constexpr int kSlices = 24;
  constexpr int kStacks = 16;
  static std::vector<GLfloat> points;
  static std::vector<GLushort> indices;
  if (points.empty()) {
    for (int stack = 0; stack <= kStacks; ++stack) {
      const double phi = kPi * stack / kStacks;
      for (int slice = 0; slice <= kSlices; ++slice) {
        const double theta = 2.0 * kPi * slice / kSlices;
        points.push_back(static_cast<GLfloat>(std::sin(phi) * std::cos(theta)));
        points.push_back(static_cast<GLfloat>(std::cos(phi)));
        points.push_back(static_cast<GLfloat>(std::sin(phi) * std::sin(theta)));
      }
    }
    for (int stack = 0; stack < kStacks; ++stack) {
      for (int slice = 0; slice < kSlices; ++slice) {
        const auto a = static_cast<GLushort>(stack * (kSlices + 1) + slice);
        const auto b = static_cast<GLushort>(a + kSlices + 1);
        indices.insert(indices.end(), {a, static_cast<GLushort>(a + 1), b, b,
                                       static_cast<GLushort>(a + 1), static_cast<GLushort>(b + 1)});
      }
    }
  }
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  // On a unit sphere the normal is the position.
  glVertexPointer(3, GL_FLOAT, 0, points.data());
  glNormalPointer(GL_FLOAT, 0, points.data());
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_SHORT,
                 indices.data());
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
}

// Every probe starts from the same state: a grey background, a camera 4 units
// back, and everything the probes turn on turned off again.
void Begin() {
  glViewport(0, 0, kProbeSize, kProbeSize);
  glClearColor(0.2f, 0.25f, 0.3f, 1.0f);
  glClearStencil(0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, 1.0, 1.0, 20.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -4.0f);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  for (const GLenum cap :
       {GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_COLOR_MATERIAL, GL_NORMALIZE, GL_FOG, GL_TEXTURE_2D,
        GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_STENCIL_TEST, GL_BLEND}) {
    glDisable(cap);
  }
  glMaterialfv(GL_FRONT, GL_EMISSION, kBlack);
  glMaterialfv(GL_FRONT, GL_SPECULAR, kBlack);
  glMaterialf(GL_FRONT, GL_SHININESS, 0.0f);
  glColor4f(1, 1, 1, 1);
}

void Light(GLenum light, float x, float y, float z, const GLfloat diffuse[4]) {
  const GLfloat position[4] = {x, y, z, 1.0f};
  glLightfv(light, GL_POSITION, position);
  glLightfv(light, GL_DIFFUSE, diffuse);
  glLightfv(light, GL_SPECULAR, kWhite);
  glEnable(light);
}

void LightingWithAttenuation() {
  Begin();
  glEnable(GL_LIGHTING);
  constexpr GLfloat kWarm[4] = {1.0f, 0.8f, 0.6f, 1.0f};
  constexpr GLfloat kCold[4] = {0.3f, 0.5f, 1.0f, 1.0f};
  Light(GL_LIGHT0, 1.2f, 1.0f, 1.5f, kWarm);
  glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.35f);
  glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.1f);
  Light(GL_LIGHT1, -2.0f, -1.0f, 0.5f, kCold);
  glLightf(GL_LIGHT1, GL_CONSTANT_ATTENUATION, 0.5f);
  glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, 0.2f);
  constexpr GLfloat kSpecular[4] = {0.8f, 0.8f, 0.8f, 1.0f};
  glMaterialfv(GL_FRONT, GL_SPECULAR, kSpecular);
  glMaterialf(GL_FRONT, GL_SHININESS, 24.0f);
  Sphere();
  for (const GLenum light : {GL_LIGHT0, GL_LIGHT1}) {
    glLightf(light, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(light, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(light, GL_QUADRATIC_ATTENUATION, 0.0f);
  }
}

void Emission() {
  Begin();
  glEnable(GL_LIGHTING);
  constexpr GLfloat kDim[4] = {0.3f, 0.3f, 0.3f, 1.0f};
  Light(GL_LIGHT0, 0.0f, 2.0f, 2.0f, kDim);
  constexpr GLfloat kGlow[4] = {0.6f, 0.1f, 0.3f, 1.0f};
  glMaterialfv(GL_FRONT, GL_EMISSION, kGlow);
  Sphere();
}

void ColorMaterial() {
  Begin();
  glEnable(GL_LIGHTING);
  Light(GL_LIGHT0, 1.0f, 1.0f, 2.0f, kWhite);
  glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
  glColor3f(0.1f, 0.9f, 0.2f);
  glEnable(GL_COLOR_MATERIAL);
  glPushMatrix();
  glTranslatef(-0.55f, 0.0f, 0.0f);
  glScalef(0.5f, 0.5f, 0.5f);
  glEnable(GL_NORMALIZE);
  Sphere();
  glPopMatrix();
  // Turned off, the material keeps the last colour.
  glDisable(GL_COLOR_MATERIAL);
  glColor3f(1.0f, 0.0f, 0.0f);
  glPushMatrix();
  glTranslatef(0.55f, 0.0f, 0.0f);
  glScalef(0.5f, 0.5f, 0.5f);
  Sphere();
  glPopMatrix();
  constexpr GLfloat kDefaultDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
  glMaterialfv(GL_FRONT, GL_DIFFUSE, kDefaultDiffuse);
}

void ScaledNormals() {
  Begin();
  glEnable(GL_LIGHTING);
  Light(GL_LIGHT0, 1.0f, 1.5f, 2.0f, kWhite);
  glMaterialfv(GL_FRONT, GL_SPECULAR, kWhite);
  glMaterialf(GL_FRONT, GL_SHININESS, 16.0f);
  // Without GL_NORMALIZE the normals stretch against the scaling.
  glScalef(0.4f, 1.3f, 0.9f);
  Sphere();
}

void Fog() {
  Begin();
  glEnable(GL_FOG);
  constexpr GLfloat kFogColor[4] = {0.9f, 0.85f, 0.8f, 1.0f};
  glFogfv(GL_FOG_COLOR, kFogColor);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogf(GL_FOG_START, 3.0f);
  glFogf(GL_FOG_END, 12.0f);
  glDisable(GL_CULL_FACE);
  // A floor running from the camera into the distance, with a coloured vertex at each corner.
  glBegin(GL_QUADS);
  glColor3f(0.1f, 0.2f, 0.9f);
  glVertex3f(-1.5f, -1.0f, 2.0f);
  glColor3f(0.9f, 0.2f, 0.1f);
  glVertex3f(1.5f, -1.0f, 2.0f);
  glColor3f(0.1f, 0.9f, 0.2f);
  glVertex3f(1.5f, -1.0f, -8.0f);
  glColor3f(0.9f, 0.9f, 0.1f);
  glVertex3f(-1.5f, -1.0f, -8.0f);
  glEnd();
}

GLuint Texture() {
  constexpr int kEdge = 32;
  std::vector<GLubyte> texels;
  for (int y = 0; y < kEdge; ++y) {
    for (int x = 0; x < kEdge; ++x) {
      const bool check = ((x / 4) + (y / 4)) % 2 == 0;
      texels.insert(texels.end(), {static_cast<GLubyte>(x * 8), static_cast<GLubyte>(y * 8),
                                   static_cast<GLubyte>(check ? 255 : 40), 255});
    }
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, kEdge, kEdge, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return name;
}

void SphereMap() {
  Begin();
  const GLuint texture = Texture();
  glEnable(GL_TEXTURE_2D);
  glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);
  glRotatef(30.0f, 1.0f, 1.0f, 0.0f);
  glScalef(1.2f, 0.8f, 1.0f);
  Sphere();
  glDeleteTextures(1, &texture);
}

void Stencil() {
  Begin();
  glDisable(GL_CULL_FACE);
  glEnable(GL_STENCIL_TEST);
  // A disc of ones in the stencil buffer, then a quad drawn only where it is,
  // half transparent over a second quad drawn only where it is not.
  glStencilFunc(GL_ALWAYS, 1, 0xFF);
  glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
  glColor3f(0.9f, 0.9f, 0.9f);
  Sphere();
  glClear(GL_DEPTH_BUFFER_BIT);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  glStencilFunc(GL_EQUAL, 1, 0xFF);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1.0f, 0.3f, 0.0f, 0.5f);
  glRecti(-1, -1, 1, 0);
  glStencilFunc(GL_NOTEQUAL, 1, 0xFF);
  glColor4f(0.0f, 0.4f, 1.0f, 1.0f);
  glRecti(-2, -2, 0, 2);
}

// One vertex of the primitive probe: a place and a colour.
struct Corner {
  float x, y, r, g, b;
};

// A corner coloured by its place, so that the colours over a quad come out
// the same whichever diagonal cuts it (Mesa's cut is its own choice).
Corner Plain(float x, float y) { return {x, y, x + 0.5f, y + 0.5f, 0.5f}; }

// A primitive at (x, y), each corner in its colour.
void Primitive(GLenum mode, float x, float y, std::initializer_list<Corner> corners) {
  glPushMatrix();
  glTranslatef(x, y, 0.0f);
  glBegin(mode);
  for (const Corner& c : corners) {
    glColor3f(c.r, c.g, c.b);
    glVertex2f(c.x, c.y);
  }
  glEnd();
  glPopMatrix();
}

// Each primitive that becomes triangles, each at its own place, with back
// faces culled: strips whose odd triangles keep their winding, a quad strip
// and triangles whose last vertices make no whole primitive, a fan, a polygon
// and quads.
void PrimitiveModes() {
  Begin();
  glScalef(1.3f, 1.3f, 1.0f);
  const std::initializer_list<Corner> zigzag = {
      Plain(-0.45f, 0.3f), Plain(-0.45f, -0.3f), Plain(-0.15f, 0.3f), Plain(-0.15f, -0.3f),
      Plain(0.15f, 0.3f),  Plain(0.15f, -0.3f),  Plain(0.45f, 0.45f)};
  Primitive(GL_TRIANGLE_STRIP, -0.75f, 0.45f, zigzag);
  Primitive(GL_QUAD_STRIP, 0.0f, 0.45f, zigzag);
  Primitive(GL_TRIANGLE_FAN, 0.75f, 0.45f,
            {{0.0f, 0.0f, 1, 1, 1},
             {0.35f, 0.0f, 1, 0, 0},
             {0.25f, 0.25f, 0, 1, 0},
             {0.0f, 0.35f, 0, 0, 1},
             {-0.3f, 0.2f, 1, 1, 0},
             {-0.2f, -0.3f, 0, 1, 1}});
  Primitive(GL_POLYGON, -0.75f, -0.45f,
            {{-0.3f, -0.3f, 1, 0, 0},
             {0.3f, -0.3f, 0, 1, 0},
             {0.35f, 0.1f, 0, 0, 1},
             {0.0f, 0.35f, 1, 1, 0},
             {-0.35f, 0.1f, 0, 1, 1}});
  Primitive(GL_QUADS, 0.0f, -0.45f,
            {Plain(-0.35f, -0.3f), Plain(0.0f, -0.3f), Plain(0.0f, 0.3f), Plain(-0.35f, 0.3f),
             Plain(0.05f, -0.3f), Plain(0.35f, -0.3f), Plain(0.35f, 0.3f), Plain(0.05f, 0.3f)});
  // The second triangle faces away; the seventh vertex makes none.
  Primitive(GL_TRIANGLES, 0.75f, -0.45f,
            {{-0.3f, -0.3f, 1, 0, 0},
             {0.3f, -0.3f, 0, 1, 0},
             {0.0f, 0.0f, 0, 0, 1},
             {-0.3f, 0.3f, 1, 1, 0},
             {0.3f, 0.3f, 0, 1, 1},
             {0.0f, 0.05f, 1, 0, 1},
             {0.3f, 0.0f, 1, 1, 1}});
}
}  // namespace

const LayerProbe kLayerProbes[] = {
    {"lighting-attenuation", LightingWithAttenuation},
    {"emission", Emission},
    {"color-material", ColorMaterial},
    {"scaled-normals", ScaledNormals},
    {"fog", Fog},
    {"sphere-map", SphereMap},
    {"stencil", Stencil},
    {"primitive-modes", PrimitiveModes},
};
const int kLayerProbeCount = sizeof kLayerProbes / sizeof kLayerProbes[0];
