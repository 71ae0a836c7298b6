// Opt-in timestamps of the start-up steps, for measuring where start-up time
// goes. With VORN_STARTUP_TRACE set and not empty, each step prints one line
// on standard error:  vorn: startup STEP MICROSECONDS
// counted on the wall clock from the Unix epoch, so that a launcher can
// subtract its own reading taken just before it started the program. Unset,
// a step costs the test of one flag.
#pragma once

// Reads the environment and traces the step "main".
void BeginStartupTrace();
// A step, with a number appended as "STEP-ID" when id is not negative.
void TraceStartupStep(const char* step, int id = -1);
// Traces the last step and stops, so that code run on every frame may call it.
void EndStartupTrace(const char* step);
