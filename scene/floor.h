// The floor: 7 × 7 flat tiles of 40 units in the plane y = 0, white by day
// and dark red-brown by night.
#pragma once

// Sets its own emission and draws; leaves the modelview matrix and stack as found.
void DrawFloor();
