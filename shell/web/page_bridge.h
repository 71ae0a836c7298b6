// What the program tells the page around its canvas (index.html's functions)
// and asks of it.
#pragma once

#include <cstdint>

// One clear message in place of the scene, for a browser without WebGL or a lost context.
void ShowProblem(const char* text);
// Puts the settings into the page's controls.
void ShowSettings(std::int32_t mouseControl, std::int32_t detail);
// "running" after the first live frame, "still" once a still picture is drawn.
void MarkPageState(const char* state);
void WarnOnConsole(const char* text);
void LeaveFullscreen();
// The canvas's size on the page in CSS pixels times the device-pixel ratio.
void CanvasPixelSize(int& width, int& height);
