// Column-major 4×4 matrices, as OpenGL stores them, for checking read-back state.
#pragma once

#include <array>
#include <cmath>

using Matrix = std::array<double, 16>;

inline Matrix Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

inline Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix product{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
      product[column * 4 + row] = sum;
    }
  }
  return product;
}

inline Matrix Translation(double x, double y, double z) {
  Matrix m = Identity();
  m[12] = x;
  m[13] = y;
  m[14] = z;
  return m;
}

// Right-handed rotation by degrees about the x axis (axis 0) or the y axis (axis 1).
inline Matrix Rotation(double degrees, int axis) {
  const double radians = degrees * std::acos(-1.0) / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  Matrix m = Identity();
  if (axis == 0) {
    m[5] = c;
    m[6] = s;
    m[9] = -s;
    m[10] = c;
  } else {
    m[0] = c;
    m[2] = -s;
    m[8] = s;
    m[10] = c;
  }
  return m;
}
