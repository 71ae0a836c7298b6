#include "shell/linux/no_display.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/linux/printable_text.h"

namespace {
// "the KIND display “NAME”", or, with the variable unset, which one that is.
std::string Named(const char* article, const char* kind, const char* variable) {
  const char* name = std::getenv(variable);
  if (name == nullptr || name[0] == '\0') {
    return std::string(article) + " " + kind + " display (" + variable + " is not set)";
  }
  return std::string("the ") + kind + " display " + QuotedText(name);
}
}  // namespace

void ReportNoDisplay(const LaunchOptions& launch) {
  const std::string x = Named("an", "X", "DISPLAY");
  if (CanRunOnWayland(launch)) {
    std::fprintf(stderr, "vorn: cannot open %s nor %s\n",
                 Named("a", "Wayland", "WAYLAND_DISPLAY").c_str(), x.c_str());
  } else {
    std::fprintf(stderr, "vorn: cannot open %s\n", x.c_str());
  }
}
