// Wayland seat events to the saver run's input calls.
#include "shell/wayland/seat_input.h"

#include <linux/input-event-codes.h>

#include <unistd.h>
namespace {
SeatInput& Of(void* data) { return *static_cast<SeatInput*>(data); }

CursorPoint PointAt(wl_fixed_t x, wl_fixed_t y) { return {wl_fixed_to_int(x), wl_fixed_to_int(y)}; }

const wl_seat_listener kSeatListener = {
    [](void* data, wl_seat*, std::uint32_t capabilities) { Of(data).OnCapabilities(capabilities); },
    [](void*, wl_seat*, const char*) {}};

const wl_keyboard_listener kKeyboardListener = {
    [](void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size) {
      if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        Of(data).OnKeymap(fd, size);
      } else {
        close(fd);
      }
    },
    [](void* data, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {
      Of(data).OnKeyboardEnter();
    },
    [](void* data, wl_keyboard*, std::uint32_t, wl_surface*) { Of(data).OnKeyboardLeave(); },
    [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
       std::uint32_t state) { Of(data).OnKey(key, state); },
    [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed, std::uint32_t latched,
       std::uint32_t locked,
       std::uint32_t group) { Of(data).OnModifiers(depressed, latched, locked, group); },
    // The compositor's repeat rate is of no use: a held key never repeats here.
    [](void*, wl_keyboard*, std::int32_t, std::int32_t) {}};

const wl_pointer_listener kPointerListener = {
    [](void* data, wl_pointer*, std::uint32_t serial, wl_surface*, wl_fixed_t x, wl_fixed_t y) {
      Of(data).OnPointerEnter(serial, PointAt(x, y));
    },
    [](void* data, wl_pointer*, std::uint32_t, wl_surface*) { Of(data).OnPointerLeave(); },
    [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
      Of(data).OnPointerMotion(PointAt(x, y));
    },
    [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
       std::uint32_t state) { Of(data).OnButton(button, state); },
    [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {},
    [](void*, wl_pointer*) {},
    [](void*, wl_pointer*, std::uint32_t) {},
    [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {},
    [](void*, wl_pointer*, std::uint32_t, std::int32_t) {},
    [](void*, wl_pointer*, std::uint32_t, std::int32_t) {}};
}  // namespace

namespace {
// Every Wayland surface of the saver saves the screen, or shows its rules in a window.
constexpr SaverMode kMode = SaverMode::kFullScreen;
}  // namespace

SeatInput::SeatInput(wl_seat* seat, const ScreenSaver& saver, SaverRun& run)
    : seat_(seat), saver_(saver), run_(run) {
  if (seat_ != nullptr) wl_seat_add_listener(seat_, &kSeatListener, this);
}

SeatInput::~SeatInput() {
  if (keyboard_ != nullptr) wl_keyboard_release(keyboard_);
  if (pointer_ != nullptr) wl_pointer_release(pointer_);
}

void SeatInput::OnCapabilities(std::uint32_t capabilities) {
  const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
  if (hasKeyboard && keyboard_ == nullptr) {
    keyboard_ = wl_seat_get_keyboard(seat_);
    wl_keyboard_add_listener(keyboard_, &kKeyboardListener, this);
  } else if (!hasKeyboard && keyboard_ != nullptr) {
    // A keyboard unplugged is no switch to another program.
    wl_keyboard_release(keyboard_);
    keyboard_ = nullptr;
    focused_ = false;
    focusLeft_ = false;
  }
  const bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
  if (hasPointer && pointer_ == nullptr) {
    pointer_ = wl_seat_get_pointer(seat_);
    wl_pointer_add_listener(pointer_, &kPointerListener, this);
  } else if (!hasPointer && pointer_ != nullptr) {
    wl_pointer_release(pointer_);
    pointer_ = nullptr;
    pointerInside_ = false;
  }
}

void SeatInput::OnKeyboardLeave() {
  focused_ = false;
  focusLeft_ = true;
}

void SeatInput::SettleFocus() {
  // Focus moving between two of the saver's surfaces arrives as a leave and an enter together.
  if (focusLeft_ && !focused_) run_.ActivationChanged(false);
  focusLeft_ = false;
}

void SeatInput::OnKey(std::uint32_t key, std::uint32_t state) {
  if (state != WL_KEYBOARD_KEY_STATE_PRESSED) return;
  // Wayland leaves repeating a held key to the client, and this one never does.
  run_.KeyPressed(keys_.IsEnter(key), false);
}

void SeatInput::OnPointerEnter(std::uint32_t serial, CursorPoint point) {
  pointerSerial_ = serial;
  pointerInside_ = true;
  RefreshCursor();
  // Each surface counts from its own corner: the pointer's travel goes on
  // from where it came in, and a move to another output is not a jump.
  pointerAt_ = point;
  run_.PointerEntered(point);
}

void SeatInput::OnPointerMotion(CursorPoint point) {
  pointerAt_ = point;
  run_.MouseMoved(point);
}

void SeatInput::OnButton(std::uint32_t button, std::uint32_t state) {
  const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
  if (button == BTN_MIDDLE) {
    if (pressed) run_.MiddleButtonPressed();
    return;
  }
  if (button != BTN_LEFT && button != BTN_RIGHT) return;
  const MouseButton which = button == BTN_LEFT ? MouseButton::kLeft : MouseButton::kRight;
  if (pressed) {
    run_.ButtonPressed(which, pointerAt_);
  } else {
    run_.ButtonReleased(which);
  }
}

void SeatInput::RefreshCursor() {
  if (pointer_ == nullptr || !pointerInside_ || !IsSaving(kMode, saver_)) return;
  wl_pointer_set_cursor(pointer_, pointerSerial_, nullptr, 0, 0);
}
