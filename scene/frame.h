// The renderer: one-time set-up of the pipeline and the composition of a frame.
#pragma once

// Needs a current context; sets the view of this size as SetViewSize does.
void SetupView(int width, int height);
// The viewport and perspective of a drawable of this size, for a context that
// draws on several of them; SetupView has run on it.
void SetViewSize(int width, int height);
// Advances the scene and draws one frame; the caller swaps the buffers.
void DrawFrame();
