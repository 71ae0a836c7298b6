#include "shell/local_time.h"

#include <ctime>

bool ReadLocalTimeOfDay(TimeOfDay& time) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) return false;
  time = TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec};
  return true;
}
