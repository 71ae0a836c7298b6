#include "shell/web/fixed_function/matrix.h"

#include <cmath>

namespace {
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

float& At(Matrix4& m, int row, int column) { return m[column * 4 + row]; }
float At(const Matrix4& m, int row, int column) { return m[column * 4 + row]; }
}  // namespace

Matrix4 IdentityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
  Matrix4 product{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += At(a, row, k) * At(b, k, column);
      At(product, row, column) = sum;
    }
  }
  return product;
}

Matrix4 TranslationMatrix(float x, float y, float z) {
  Matrix4 m = IdentityMatrix();
  m[12] = x;
  m[13] = y;
  m[14] = z;
  return m;
}

Matrix4 ScalingMatrix(float x, float y, float z) {
  Matrix4 m = IdentityMatrix();
  m[0] = x;
  m[5] = y;
  m[10] = z;
  return m;
}

Matrix4 RotationMatrix(float degrees, float x, float y, float z) {
  const double length = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y +
                                  static_cast<double>(z) * z);
  if (length == 0.0) return IdentityMatrix();
  const double ux = x / length;
  const double uy = y / length;
  const double uz = z / length;
  const double c = std::cos(degrees * kDegreesToRadians);
  const double s = std::sin(degrees * kDegreesToRadians);
  const double t = 1.0 - c;
  Matrix4 m = IdentityMatrix();
  At(m, 0, 0) = static_cast<float>(ux * ux * t + c);
  At(m, 0, 1) = static_cast<float>(ux * uy * t - uz * s);
  At(m, 0, 2) = static_cast<float>(ux * uz * t + uy * s);
  At(m, 1, 0) = static_cast<float>(uy * ux * t + uz * s);
  At(m, 1, 1) = static_cast<float>(uy * uy * t + c);
  At(m, 1, 2) = static_cast<float>(uy * uz * t - ux * s);
  At(m, 2, 0) = static_cast<float>(uz * ux * t - uy * s);
  At(m, 2, 1) = static_cast<float>(uz * uy * t + ux * s);
  At(m, 2, 2) = static_cast<float>(uz * uz * t + c);
  return m;
}

Matrix4 OrthoMatrix(double left, double right, double bottom, double top, double near, double far) {
  Matrix4 m = IdentityMatrix();
  At(m, 0, 0) = static_cast<float>(2.0 / (right - left));
  At(m, 1, 1) = static_cast<float>(2.0 / (top - bottom));
  At(m, 2, 2) = static_cast<float>(-2.0 / (far - near));
  At(m, 0, 3) = static_cast<float>(-(right + left) / (right - left));
  At(m, 1, 3) = static_cast<float>(-(top + bottom) / (top - bottom));
  At(m, 2, 3) = static_cast<float>(-(far + near) / (far - near));
  return m;
}

Matrix4 FrustumMatrix(double left, double right, double bottom, double top, double near,
                      double far) {
  Matrix4 m{};
  At(m, 0, 0) = static_cast<float>(2.0 * near / (right - left));
  At(m, 1, 1) = static_cast<float>(2.0 * near / (top - bottom));
  At(m, 0, 2) = static_cast<float>((right + left) / (right - left));
  At(m, 1, 2) = static_cast<float>((top + bottom) / (top - bottom));
  At(m, 2, 2) = static_cast<float>(-(far + near) / (far - near));
  At(m, 3, 2) = -1.0f;
  At(m, 2, 3) = static_cast<float>(-2.0 * far * near / (far - near));
  return m;
}

Matrix3 NormalMatrix(const Matrix4& modelView) {
  // Cofactors of the upper 3×3 over its determinant, which is the inverse transpose.
  const auto a = [&](int row, int column) -> double { return At(modelView, row, column); };
  double cofactor[3][3];
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int r0 = (row + 1) % 3;
      const int r1 = (row + 2) % 3;
      const int c0 = (column + 1) % 3;
      const int c1 = (column + 2) % 3;
      cofactor[row][column] = a(r0, c0) * a(r1, c1) - a(r0, c1) * a(r1, c0);
    }
  }
  const double determinant =
      a(0, 0) * cofactor[0][0] + a(0, 1) * cofactor[0][1] + a(0, 2) * cofactor[0][2];
  Matrix3 normal{};
  if (determinant == 0.0) return normal;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      normal[column * 3 + row] = static_cast<float>(cofactor[row][column] / determinant);
    }
  }
  return normal;
}

std::array<float, 4> Transform(const Matrix4& m, const float vector[4]) {
  std::array<float, 4> result{};
  for (int row = 0; row < 4; ++row) {
    float sum = 0.0f;
    for (int k = 0; k < 4; ++k) sum += At(m, row, k) * vector[k];
    result[row] = sum;
  }
  return result;
}
