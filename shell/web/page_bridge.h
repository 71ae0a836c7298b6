// What the program tells the page around its canvas (index.html's functions)
// and asks of it.
#pragma once

#include <cstdint>

// One clear message in place of the scene, for a browser without WebGL or a lost context.
void ShowProblem(const char* text);
// Puts the settings into the page's controls.
void ShowSettings(std::int32_t mouseControl, std::int32_t detail);
// In place of the live controls, a way to the live scene at ?liveQuery.
void ShowStillPicture(const char* liveQuery);
// "running" after the first live frame; "drawing" while a still picture is
// drawn and "still" once it is.
void MarkPageState(const char* state);
void WarnOnConsole(const char* text);
void LeaveFullscreen();
// The canvas's size on the page in CSS pixels times the device-pixel ratio.
void CanvasPixelSize(int& width, int& height);
