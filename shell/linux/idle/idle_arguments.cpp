// Reading vorn-idle's few options, and its usage text.
#include "shell/linux/idle/idle_arguments.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
bool Is(const char* argument, const char* option) { return std::strcmp(argument, option) == 0; }

std::optional<std::uint32_t> Seconds(const char* text) {
  if (text == nullptr || *text < '0' || *text > '9') return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (errno != 0 || *end != '\0' || value < 1 || value > kLongestAfterSeconds) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}
}  // namespace

IdleArguments ParseIdleArguments(int argc, const char* const* argv) {
  IdleArguments parsed;
  for (int at = 1; at < argc; ++at) {
    if (Is(argv[at], "-h") || Is(argv[at], "--help")) return {IdleCommand::kHelp, {}, {}};
    if (Is(argv[at], "--version")) return {IdleCommand::kVersion, {}, {}};
  }
  for (int at = 1; at < argc; ++at) {
    if (Is(argv[at], "--after")) {
      const char* value = at + 1 < argc ? argv[++at] : nullptr;
      parsed.afterSeconds = Seconds(value);
      if (!parsed.afterSeconds) {
        return {IdleCommand::kUsageError, {}, "--after needs a number of seconds from 1 to 86400"};
      }
    } else {
      return {IdleCommand::kUsageError, {}, std::string("unknown option ") + argv[at]};
    }
  }
  return parsed;
}

const char kIdleUsageText[] =
    "Usage: vorn-idle [--after SECONDS]\n"
    "       vorn-idle --help | --version\n"
    "\n"
    "Starts vorn /s whenever the desktop has been idle for the time set in vorn's\n"
    "settings (IdleMinutes), and waits for it to end. One runs per session.\n"
    "Idle sources, in this order: the Wayland protocols ext-idle-notify-v1 and\n"
    "KDE's idle protocol, GNOME's org.gnome.Mutter.IdleMonitor on the session bus,\n"
    "and X's MIT-SCREEN-SAVER (not while XScreenSaver or another saver runs).\n"
    "  --after SECONDS       idle time before the saver starts, instead of the setting\n"
    "  -h, --help            show this text\n"
    "  --version             show the version\n"
    "vorn /c turns it on and off. More in vorn-idle(6).\n";
