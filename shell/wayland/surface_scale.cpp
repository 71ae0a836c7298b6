// Following a surface's outputs and the compositor's preferred scale, and
// telling the compositor how the buffer maps onto the surface.
#include "shell/wayland/surface_scale.h"

#include <algorithm>
#include <cstdint>

int ScaledLength(int length, int scale) {
  const std::int64_t scaled = static_cast<std::int64_t>(length) * scale;
  return static_cast<int>((scaled + kScaleDenominator / 2) / kScaleDenominator);
}

const wl_surface_listener SurfaceScale::kSurfaceListener = {
    [](void* data, wl_surface*, wl_output* output) {
      static_cast<SurfaceScale*>(data)->entered_.push_back(output);
    },
    [](void* data, wl_surface*, wl_output* output) {
      auto& entered = static_cast<SurfaceScale*>(data)->entered_;
      entered.erase(std::remove(entered.begin(), entered.end(), output), entered.end());
    }};

const wp_fractional_scale_v1_listener SurfaceScale::kFractionalListener = {
    [](void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
      static_cast<SurfaceScale*>(data)->preferred_ = static_cast<int>(scale);
    }};

SurfaceScale::SurfaceScale(const WaylandClient& client, wl_surface* surface, wl_output* output)
    : client_(client),
      surface_(surface),
      madeFor_(output),
      integerScales_(wl_surface_get_version(surface) >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION) {
  wl_surface_add_listener(surface, &kSurfaceListener, this);
  // A fractional scale needs a viewport to map the buffer onto the surface.
  if (client.fractionalScales() == nullptr || client.viewporter() == nullptr) return;
  viewport_ = wp_viewporter_get_viewport(client.viewporter(), surface);
  fractional_ =
      wp_fractional_scale_manager_v1_get_fractional_scale(client.fractionalScales(), surface);
  wp_fractional_scale_v1_add_listener(fractional_, &kFractionalListener, this);
}

SurfaceScale::~SurfaceScale() {
  if (fractional_ != nullptr) wp_fractional_scale_v1_destroy(fractional_);
  if (viewport_ != nullptr) wp_viewport_destroy(viewport_);
}

int SurfaceScale::Current() const {
  if (preferred_ > 0) return preferred_;
  if (viewport_ == nullptr && !integerScales_) return kScaleDenominator;
  int scale = 0;
  for (wl_output* output : entered_) scale = std::max(scale, client_.OutputScale(output));
  if (scale == 0) scale = madeFor_ != nullptr ? client_.OutputScale(madeFor_) : 1;
  return scale * kScaleDenominator;
}

void SurfaceScale::Apply(int width, int height, int scale) {
  if (viewport_ != nullptr) {
    wp_viewport_set_destination(viewport_, width, height);
  } else if (integerScales_) {
    wl_surface_set_buffer_scale(surface_, scale / kScaleDenominator);
  }
}
