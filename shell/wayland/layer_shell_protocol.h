// The layer-shell client header, which names an argument "namespace": a C
// name that C++ reserves. It is renamed for the header alone.
#pragma once

#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1.h"
#undef namespace
