// The renderer: one-time set-up of the pipeline and the composition of a frame.
#pragma once

// Needs a current context; the size is never passed again.
void SetupView(int width, int height);
// Advances the scene and draws one frame; the caller swaps the buffers.
void DrawFrame();
