// SIGTERM and SIGINT, the way hosts stop a saver, end a run between frames so
// that everything is released in order. The handler raises a flag, which the
// run checks after every wait, every batch of events and every surface drawn,
// and makes a descriptor readable, which every wait includes: a stop is seen
// at once whether the host is silent or keeps the connection busy.
#pragma once

void InstallStopSignals();
bool StopRequested();
// Readable once a stop signal has come; for poll.
int StopSignalDescriptor();

// A wait inside a library during start-up (a compositor or an X server that
// stopped answering) cannot be cut short. From this call until the run's
// loop starts, a stop signal ends the program at
// once with code 0, as a stopped saver does, having nothing yet to release in
// order; a stop that came earlier ends it here.
void EndAtOnceOnStopUntilTheLoop();
// The loop is about to start: from now on it sees every stop itself.
void TheLoopStarts();
