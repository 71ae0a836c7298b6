// The options a page takes from its address (?detail=low&mouse=0, and for a
// still picture the words of vorn --snapshot: seed, ms, clock, look, detail,
// frames, size), read with the command line's own parsers. A bad word or value
// is left out with a warning; the page goes on without it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/snapshot_options.h"

struct PageAddress {
  std::optional<std::int32_t> detail;
  std::optional<std::int32_t> mouseControl;
  // Set when the address asks for a still picture.
  std::optional<SnapshotOptions> still;
  // The words a live page takes (detail, mouse) as the address gave them, for
  // a way from a still picture to the live scene: "detail=low&mouse=0".
  std::string liveQuery;
  std::vector<std::string> warnings;
};

// query is the part after "?", percent-encoded as browsers send it.
PageAddress ParsePageAddress(std::string_view query);
