#include "shell/linux/wait_for_connection.h"

#include <poll.h>

#include <algorithm>
#include <climits>

#include "shell/linux/stop_signals.h"

bool WaitForConnection(int connection,
                       std::optional<std::chrono::steady_clock::time_point> deadline) {
  int timeout = -1;
  if (deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now());
    timeout = left.count() <= 0 ? 0 : static_cast<int>(std::min<long long>(left.count(), INT_MAX));
  }
  pollfd waited[] = {{connection, POLLIN, 0}, {StopSignalDescriptor(), POLLIN, 0}};
  if (poll(waited, 2, timeout) <= 0) return false;
  return waited[0].revents != 0;
}
