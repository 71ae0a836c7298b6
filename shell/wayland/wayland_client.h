// The connection to the compositor and the globals the saver uses: the
// compositor, layer-shell (or xdg-shell where there is none), the seat, the
// means of drawing at fractional scales where offered, and the outputs with
// their scales, which come and go while it runs.
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "fractional-scale-v1.h"
#include "shell/wayland/layer_shell_protocol.h"
#include "viewporter.h"
#include "xdg-shell.h"

class WaylandClient {
 public:
  // Told of each output when it appears (also those there at start) and when
  // it goes; the id is the output's global name.
  struct OutputWatcher {
    std::function<void(std::uint32_t id, wl_output* output)> added;
    std::function<void(std::uint32_t id)> removed;
  };

  // Connects to the compositor that WAYLAND_DISPLAY names; empty, and quiet,
  // when it is unset or the compositor cannot be reached.
  static std::unique_ptr<WaylandClient> Connect();
  ~WaylandClient();
  WaylandClient(const WaylandClient&) = delete;
  WaylandClient& operator=(const WaylandClient&) = delete;

  // Reads the globals; false, having said why, when the compositor lacks one
  // the saver cannot do without.
  bool BindGlobals();
  // From now on (and at once for the outputs already known) outputs are reported.
  void WatchOutputs(OutputWatcher watcher);

  wl_display* display() const { return display_; }
  wl_compositor* compositor() const { return compositor_; }
  zwlr_layer_shell_v1* layerShell() const { return layerShell_; }  // null without layer-shell
  xdg_wm_base* wmBase() const { return wmBase_; }                  // null without xdg-shell
  wl_seat* seat() const { return seat_; }                          // null without a seat
  // Both, or null when the compositor lacks either: one is no use without the other.
  wp_viewporter* viewporter() const { return fractionalScales_ ? viewporter_ : nullptr; }
  wp_fractional_scale_manager_v1* fractionalScales() const {
    return viewporter_ ? fractionalScales_ : nullptr;
  }
  // The integer scale the output last announced; 1 for an output not (or no longer) known.
  int OutputScale(wl_output* output) const;

 private:
  struct KnownOutput {
    std::uint32_t id;
    wl_output* output;
    int scale;
  };
  explicit WaylandClient(wl_display* display) : display_(display) {}
  static void OnGlobal(void* data, wl_registry* registry, std::uint32_t id, const char* interface,
                       std::uint32_t version);
  static void OnGlobalRemove(void* data, wl_registry* registry, std::uint32_t id);
  static const wl_registry_listener kRegistryListener;
  static const wl_output_listener kOutputListener;

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  zwlr_layer_shell_v1* layerShell_ = nullptr;
  xdg_wm_base* wmBase_ = nullptr;
  wl_seat* seat_ = nullptr;
  wp_viewporter* viewporter_ = nullptr;
  wp_fractional_scale_manager_v1* fractionalScales_ = nullptr;
  std::vector<KnownOutput> outputs_;
  OutputWatcher watcher_;
};
