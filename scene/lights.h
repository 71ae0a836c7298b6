// The two wandering lights of a frame and the planar shadow they cast.
#pragma once

struct FrameLights {
  float position0[4];
  float diffuse0[4];
  float specular0[4];
  float position1[4];
  float diffuse1[4];
  float specular1[4];
};

// Positions (in scene coordinates) and colours of both lights at animation time t.
void ComputeLights(double t, FrameLights& lights);

// Column-major matrix that slides every point along the direction from the
// light's position to the origin onto the floor plane y = 0.
void BuildShadowMatrix(const float lightPosition[4], float matrix[16]);
