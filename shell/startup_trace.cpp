#include "shell/startup_trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
bool tracing = false;
}  // namespace

void BeginStartupTrace() {
  const char* value = std::getenv("VORN_STARTUP_TRACE");
  tracing = value != nullptr && value[0] != '\0';
  TraceStartupStep("main");
}

void TraceStartupStep(const char* step, int id) {
  if (!tracing) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const long long micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  if (id < 0) {
    std::fprintf(stderr, "vorn: startup %s %lld\n", step, micros);
  } else {
    std::fprintf(stderr, "vorn: startup %s-%d %lld\n", step, id, micros);
  }
}

void EndStartupTrace(const char* step) {
  TraceStartupStep(step);
  tracing = false;
}
