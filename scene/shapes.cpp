#include "scene/shapes.h"

#include <GL/freeglut.h>

void DrawBox(double x, double y, double z, float width, float height, float depth) {
  glPushMatrix();
  glTranslated(x, y, z);
  glScalef(width, height, depth);
  glutSolidCube(1.0);
  glPopMatrix();
}
