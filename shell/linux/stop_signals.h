// SIGTERM and SIGINT, the way hosts stop a saver, end a run between frames so
// that everything is released in order. The handler only raises a flag; the
// render loop never sleeps, so it sees the flag within a frame.
#pragma once

void InstallStopSignals();
bool StopRequested();
