#include "scene/shapes.h"

#include <GL/freeglut.h>

void InitShapes() {
  int argc = 1;
  char name[] = "vorn";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
}

void DrawBox(double x, double y, double z, float width, float height, float depth) {
  glPushMatrix();
  glTranslated(x, y, z);
  glScalef(width, height, depth);
  glutSolidCube(1.0);
  glPopMatrix();
}
