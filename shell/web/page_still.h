// A still picture on the page: the canvas at the picture's size, or at the
// largest of its shape that the browser can draw, with a warning; its frames drawn a slice per
// animation frame, so that a picture of many frames leaves the tab
// answering. The page is "drawing" until the last frame, then "still".
#pragma once

#include "scene/platform.h"
#include "shell/snapshot_options.h"

// Starts drawing the still in the current WebGL context; live stands in for
// whatever the options leave unfixed.
void StartStill(const SnapshotOptions& options, ScenePlatform& live);
