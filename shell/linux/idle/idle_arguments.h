// vorn-idle's command line: --after SECONDS, --help, --version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class IdleCommand { kWatch, kHelp, kVersion, kUsageError };

struct IdleArguments {
  IdleCommand command = IdleCommand::kWatch;
  std::optional<std::uint32_t> afterSeconds;  // instead of the stored minutes
  std::string error;                          // what was wrong, for kUsageError
};

// The longest --after: a day.
constexpr std::uint32_t kLongestAfterSeconds = 24 * 60 * 60;

// --help and --version act wherever they stand, as for vorn.
IdleArguments ParseIdleArguments(int argc, const char* const* argv);

extern const char kIdleUsageText[];
