// The pendulum-row sculpture: a swaying, turning beam with 67 swinging pendulums.
#pragma once

// Draws in the current modelview matrix and leaves it, and its stack, as found.
void DrawSculpture();
