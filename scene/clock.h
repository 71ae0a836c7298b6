// The clock: three hands showing the local time inside a cage of rings with
// circling beads, on a gimbal that turns and tilts after the camera.
#pragma once

// Steps the followers, then draws; leaves the modelview matrix and stack as
// found and the front diffuse material translucent white.
void DrawClock();
