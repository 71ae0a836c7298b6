// 4×4 matrices as OpenGL keeps them (column-major), with the products the
// matrix calls of OpenGL 1.1 multiply onto the current matrix.
#pragma once

#include <array>

using Matrix4 = std::array<float, 16>;
using Matrix3 = std::array<float, 9>;

Matrix4 IdentityMatrix();
// a × b: b applies first, as glMultMatrix does.
Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
Matrix4 TranslationMatrix(float x, float y, float z);
Matrix4 ScalingMatrix(float x, float y, float z);
// About the axis (x, y, z), which need not be of unit length; angle in degrees.
Matrix4 RotationMatrix(float degrees, float x, float y, float z);
Matrix4 OrthoMatrix(double left, double right, double bottom, double top, double near, double far);
Matrix4 FrustumMatrix(double left, double right, double bottom, double top, double near,
                      double far);
// The matrix that takes normals to eye space: the inverse transpose of the upper 3×3.
// A singular matrix gives zeros, and so do the normals it would transform.
Matrix3 NormalMatrix(const Matrix4& modelView);
// m × (x, y, z, w).
std::array<float, 4> Transform(const Matrix4& m, const float vector[4]);
