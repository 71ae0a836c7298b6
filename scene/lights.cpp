#include "scene/lights.h"

#include <cmath>

namespace {
void Set(float out[4], double a, double b, double c, double d) {
  out[0] = static_cast<float>(a);
  out[1] = static_cast<float>(b);
  out[2] = static_cast<float>(c);
  out[3] = static_cast<float>(d);
}
}  // namespace

void ComputeLights(double t, FrameLights& lights) {
  using std::cos;
  using std::sin;
  const double p = cos(0.1 * t);
  const double q = sin(0.03 * t);
  const double r = cos(0.02 * t);
  Set(lights.position0, 11.0 * cos(1.5 * t), 10.0 * cos(0.651 * t) + 11.0,
      9.0 * cos(0.611 * t) - 1.0, 1.0);
  Set(lights.diffuse0, 0.42 * p + 1.0, 0.42 * q + 0.9, 0.42 * r + 0.9, 1.0);
  Set(lights.specular0, 0.2 * p + 0.8, 0.2 * q + 0.8, 0.2 * r + 0.8, 1.0);
  Set(lights.position1, 6.0 * cos(0.1421 * t), 3.0 * (cos(0.41 * t) + 1.0), 9.0 * cos(0.3211 * t),
      1.0);
  Set(lights.diffuse1, 0.32 * cos(0.21357 * t) + 0.88, 0.325 * sin(0.2357 * t) + 0.826,
      0.325 * cos(0.0212362 * t) + 0.825, 0.6);
  Set(lights.specular1, 0.2 * p + 0.964, 0.25 * q + 0.9426, 0.25 * r + 0.9425, 1.0);
}

void BuildShadowMatrix(const float lightPosition[4], float matrix[16]) {
  // The light's height is at least 1, so the divisions are always defined.
  const float x = lightPosition[0];
  const float y = lightPosition[1];
  const float z = lightPosition[2];
  const float columns[16] = {1, 0, 0, 0, -x / y, 0, -z / y, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) matrix[i] = columns[i];
}
