// Small drawings, one per feature of the fixed-function pipeline that the web
// page's layer stands in for. The same source draws them with the system's
// OpenGL and with the layer, so that their pictures can be compared.
#pragma once

constexpr int kProbeSize = 64;

struct LayerProbe {
  const char* name;
  void (*draw)();  // into a kProbeSize square with a depth and a stencil buffer
};

extern const LayerProbe kLayerProbes[];
extern const int kLayerProbeCount;
