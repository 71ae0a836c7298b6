// The registry: binding the globals, and following the outputs.
#include "shell/wayland/wayland_client.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/startup_trace.h"

namespace {
// The versions whose requests and events the saver uses, at most.
constexpr std::uint32_t kCompositorVersion = 4;
constexpr std::uint32_t kLayerShellVersion = 4;
constexpr std::uint32_t kWmBaseVersion = 2;
constexpr std::uint32_t kSeatVersion = 5;
constexpr std::uint32_t kOutputVersion = 3;  // the first with a release request
constexpr std::uint32_t kViewporterVersion = 1;
constexpr std::uint32_t kFractionalScaleVersion = 1;

template <typename Proxy>
Proxy* Bind(wl_registry* registry, std::uint32_t id, const wl_interface& interface,
            std::uint32_t offered, std::uint32_t wanted) {
  return static_cast<Proxy*>(wl_registry_bind(registry, id, &interface, std::min(offered, wanted)));
}

void OnPing(void*, xdg_wm_base* wmBase, std::uint32_t serial) { xdg_wm_base_pong(wmBase, serial); }
const xdg_wm_base_listener kWmBaseListener = {OnPing};

void ReleaseOutput(wl_output* output) {
  if (wl_output_get_version(output) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
    wl_output_release(output);
  } else {
    wl_output_destroy(output);
  }
}
}  // namespace

const wl_registry_listener WaylandClient::kRegistryListener = {OnGlobal, OnGlobalRemove};

// Only the scale matters to the saver: the compositor gives each surface its size.
const wl_output_listener WaylandClient::kOutputListener = {
    [](void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
       const char*, const char*, std::int32_t) {},
    [](void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {},
    [](void*, wl_output*) {},
    [](void* data, wl_output* output, std::int32_t factor) {
      auto& client = *static_cast<WaylandClient*>(data);
      for (KnownOutput& known : client.outputs_) {
        if (known.output == output) known.scale = std::max(factor, 1);
      }
    },
    [](void*, wl_output*, const char*) {},
    [](void*, wl_output*, const char*) {}};

std::unique_ptr<WaylandClient> WaylandClient::Connect() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (name == nullptr || name[0] == '\0') return nullptr;
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return nullptr;
  return std::unique_ptr<WaylandClient>(new WaylandClient(display));
}

WaylandClient::~WaylandClient() {
  for (const KnownOutput& known : outputs_) ReleaseOutput(known.output);
  if (seat_ != nullptr) wl_seat_release(seat_);
  if (fractionalScales_ != nullptr) wp_fractional_scale_manager_v1_destroy(fractionalScales_);
  if (viewporter_ != nullptr) wp_viewporter_destroy(viewporter_);
  if (wmBase_ != nullptr) xdg_wm_base_destroy(wmBase_);
  if (layerShell_ != nullptr) zwlr_layer_shell_v1_destroy(layerShell_);
  if (compositor_ != nullptr) wl_compositor_destroy(compositor_);
  if (registry_ != nullptr) wl_registry_destroy(registry_);
  wl_display_disconnect(display_);
}

bool WaylandClient::BindGlobals() {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
  // The globals' own first events (the seat's capabilities) follow the round
  // trip's end, so whoever listens to them has time to start listening.
  if (wl_display_roundtrip(display_) < 0) return false;
  TraceStartupStep("globals");
  if (compositor_ == nullptr || (layerShell_ == nullptr && wmBase_ == nullptr)) {
    std::fputs("vorn: the Wayland compositor offers neither layer-shell nor xdg-shell\n", stderr);
    return false;
  }
  return true;
}

int WaylandClient::OutputScale(wl_output* output) const {
  for (const KnownOutput& known : outputs_) {
    if (known.output == output) return known.scale;
  }
  return 1;
}

void WaylandClient::WatchOutputs(OutputWatcher watcher) {
  watcher_ = std::move(watcher);
  for (const KnownOutput& known : outputs_) watcher_.added(known.id, known.output);
}

void WaylandClient::OnGlobal(void* data, wl_registry* registry, std::uint32_t id,
                             const char* interface, std::uint32_t version) {
  auto& client = *static_cast<WaylandClient*>(data);
  const auto is = [interface](const wl_interface& known) {
    return std::strcmp(interface, known.name) == 0;
  };
  if (is(wl_compositor_interface)) {
    client.compositor_ =
        Bind<wl_compositor>(registry, id, wl_compositor_interface, version, kCompositorVersion);
  } else if (is(zwlr_layer_shell_v1_interface)) {
    client.layerShell_ = Bind<zwlr_layer_shell_v1>(registry, id, zwlr_layer_shell_v1_interface,
                                                   version, kLayerShellVersion);
  } else if (is(xdg_wm_base_interface)) {
    client.wmBase_ =
        Bind<xdg_wm_base>(registry, id, xdg_wm_base_interface, version, kWmBaseVersion);
    xdg_wm_base_add_listener(client.wmBase_, &kWmBaseListener, nullptr);
  } else if (is(wl_seat_interface) && client.seat_ == nullptr) {
    // The first seat is the one the user sits at; more are rare and left alone.
    client.seat_ = Bind<wl_seat>(registry, id, wl_seat_interface, version, kSeatVersion);
  } else if (is(wp_viewporter_interface)) {
    client.viewporter_ =
        Bind<wp_viewporter>(registry, id, wp_viewporter_interface, version, kViewporterVersion);
  } else if (is(wp_fractional_scale_manager_v1_interface)) {
    client.fractionalScales_ = Bind<wp_fractional_scale_manager_v1>(
        registry, id, wp_fractional_scale_manager_v1_interface, version, kFractionalScaleVersion);
  } else if (is(wl_output_interface)) {
    auto* output = Bind<wl_output>(registry, id, wl_output_interface, version, kOutputVersion);
    wl_output_add_listener(output, &kOutputListener, &client);
    client.outputs_.push_back({id, output, 1});
    if (client.watcher_.added) client.watcher_.added(id, output);
  }
}

void WaylandClient::OnGlobalRemove(void* data, wl_registry*, std::uint32_t id) {
  auto& client = *static_cast<WaylandClient*>(data);
  const auto known = std::find_if(client.outputs_.begin(), client.outputs_.end(),
                                  [id](const KnownOutput& output) { return output.id == id; });
  if (known == client.outputs_.end()) return;
  // The watcher lets go of what it made for the output before the output goes.
  if (client.watcher_.removed) client.watcher_.removed(id);
  ReleaseOutput(known->output);
  client.outputs_.erase(known);
}
