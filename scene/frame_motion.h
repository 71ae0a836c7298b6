// The per-frame advance of the scene state: camera inertia and tilt, the
// scene's turn, the animation time, the swing phase and the clock reading.
#pragma once

// What the camera and the scene turn of one frame are built from.
struct FrameMotion {
  float cameraDistance;  // along the viewing axis: the sway plus the zoom
  float sceneTurn;       // degrees about the vertical axis
};

// Advances sceneState by one frame, reading the platform's counter and time of day.
FrameMotion AdvanceSceneState();
