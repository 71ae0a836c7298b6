// The wait of the Linux backends: for their connection to the display
// server, a stop signal, or a deadline.
#pragma once

#include <chrono>
#include <optional>

// Returns when the connection has something to read (true), a stop signal
// has come or the deadline has passed (false). Without a deadline it waits
// for one of the other two.
bool WaitForConnection(int connection,
                       std::optional<std::chrono::steady_clock::time_point> deadline);
