// The local time of day from the C library's clock, for the platforms that have
// localtime_r (Linux and the web page; Windows asks its own clock).
#pragma once

#include "scene/platform.h"

// False when the time cannot be formed.
bool ReadLocalTimeOfDay(TimeOfDay& time);
