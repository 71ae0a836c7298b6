// The frame rate drawn in the bottom-left corner over a finished frame, in
// freeglut's bitmap font, as other hacks show it when asked to.
#pragma once

// Needs the current context of the frame; leaves every piece of GL state as it found it.
void DrawFrameRate(double framesPerSecond);
