// The canvas's drawing buffer at a size in pixels, or, where the browser
// gives a smaller buffer than that (it has a limit per side and in all), at
// the largest size with the same shape that it gives in full.
#pragma once

// Asks for width × height; on return they hold the size the canvas has.
void FitCanvas(int& width, int& height);
