// SIGTERM and SIGINT, the way hosts stop a saver, end a run between frames so
// that everything is released in order. The handler only raises a flag; the
// render loop looks at it after every frame and every wait, which a signal cuts short.
#pragma once

void InstallStopSignals();
bool StopRequested();
