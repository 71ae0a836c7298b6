// What the host asked this run to do, as chosen by the command line.
#pragma once

#include <cstdint>

enum class SaverMode : std::int32_t {
  kNothing = 0,  // unrecognised switch
  kConfigure = 1,
  kChangePassword = 2,
  kPreview = 3,
  kFullScreen = 4,
};
