// The scale a surface is drawn at, so that its buffer has as many pixels as
// the outputs show of it. Where the compositor offers fractional scales (with
// a viewport that maps the buffer onto the surface), its preferred scale for
// the surface; otherwise the greatest integer scale of the outputs the
// surface is on, and before it is on any, that of the output it was made for.
#pragma once

#include <wayland-client.h>

#include <vector>

#include "shell/wayland/wayland_client.h"

// Scales are counted in 120ths, as the fractional scale protocol counts them.
constexpr int kScaleDenominator = 120;

// The pixels of `length` surface units at the scale, rounded half away from
// zero, as the compositor rounds them.
int ScaledLength(int length, int scale);

class SurfaceScale {
 public:
  // output is the one the surface is made for, or null.
  SurfaceScale(const WaylandClient& client, wl_surface* surface, wl_output* output);
  ~SurfaceScale();
  SurfaceScale(const SurfaceScale&) = delete;
  SurfaceScale& operator=(const SurfaceScale&) = delete;

  // In 120ths.
  int Current() const;
  // Tells the compositor, for the next commit, that the buffer drawn at
  // scale is width x height surface units.
  void Apply(int width, int height, int scale);

 private:
  static const wl_surface_listener kSurfaceListener;
  static const wp_fractional_scale_v1_listener kFractionalListener;

  const WaylandClient& client_;
  wl_surface* surface_;
  wl_output* madeFor_;
  std::vector<wl_output*> entered_;
  wp_viewport* viewport_ = nullptr;
  wp_fractional_scale_v1* fractional_ = nullptr;
  int preferred_ = 0;   // the fractional scale, once the compositor has said it
  bool integerScales_;  // the compositor takes buffer scales
};
