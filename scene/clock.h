// The clock: three hands showing the local time inside a cage of rings with
// circling beads, on a gimbal that turns and tilts after the camera.
#pragma once

// Steps the followers, then draws; leaves the modelview matrix and stack as
// found and the front diffuse material translucent white.
void DrawClock();

// Slices and stacks of the clock's spheres: 22 per unit of the detail scale,
// truncated, kept between 0 (nothing drawn) and 64.
int SphereSlices(float detailScale);
