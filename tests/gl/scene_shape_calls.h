// The freeglut shapes the scene asks for, with their arguments. The test
// program is linked with the shape functions wrapped (ld --wrap), so every
// call of the scene's passes through here on its way to the library.
#pragma once

#include <functional>
#include <set>
#include <tuple>

enum class ShapeKind { kCube, kSphere, kTorus };

// One call's arguments: the cube's size; the sphere's radius, slices and
// stacks; the torus's inner and outer radius, sides and rings.
struct ShapeCall {
  ShapeKind kind;
  double first;
  double second;
  int third;
  int fourth;

  bool operator<(const ShapeCall& other) const {
    return std::tie(kind, first, second, third, fourth) <
           std::tie(other.kind, other.first, other.second, other.third, other.fourth);
  }
};

// The different shape calls made while draw runs.
std::set<ShapeCall> RecordShapeCalls(const std::function<void()>& draw);
