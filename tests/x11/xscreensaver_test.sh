#!/bin/sh
# Debian's XScreenSaver as a real host: with vorn as its only program, run by
# an unprivileged user (it launches no hacks as root), activating it runs
# vorn --root on its window and the scene appears; deactivating it ends vorn
# soon after, with exit code 0. A small wrapper, the configured program,
# records vorn's process id and exit code.
# Usage: xscreensaver_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

for program in xscreensaver xscreensaver-command setpriv; do
  command -v "$program" >/dev/null || {
    fail "$program is missing (scripts/install-deps installs it)"
    finish
  }
done
[ -x /usr/libexec/xscreensaver/xscreensaver-gl-visual ] || fail "xscreensaver-gl is missing"

home="$work/home"
mkdir -p "$home"
chmod 755 "$work"
user_vorn=$(reachable "$vorn")

as_user() {
  $drop_root env -u XDG_CONFIG_HOME HOME="$home" "$@"
}

# The wrapper passes SIGTERM and SIGINT on to vorn and waits for its real exit code.
cat >"$home/vorn-hack" <<HACK
#!/bin/sh
"$user_vorn" --root &
child=\$!
echo "\$child" >"$home/vorn-pid"
trap 'kill -TERM "\$child"' TERM INT
wait "\$child"
status=\$?
while [ "\$status" -gt 128 ] && kill -0 "\$child" 2>/dev/null; do
  wait "\$child"
  status=\$?
done
echo "\$status" >"$home/vorn-status"
HACK
chmod 755 "$home/vorn-hack"

cat >"$home/.xscreensaver" <<CONFIG
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
dpmsEnabled: False
programs: GL: $home/vorn-hack \\n
CONFIG
[ -z "$drop_root" ] || chown -R nobody "$home"

# Started without the function, so that the process to stop is XScreenSaver itself.
start $drop_root env -u XDG_CONFIG_HOME HOME="$home" xscreensaver -no-splash
daemon=$started
# shellcheck disable=SC2317 # called through eventually
activated() {
  as_user xscreensaver-command -activate >/dev/null 2>&1
}
eventually 10 activated || fail "XScreenSaver did not take the -activate command"

if eventually 15 test -s "$home/vorn-pid"; then
  hack=$(cat "$home/vorn-pid")
  started_pids="$started_pids $hack"
  # Time to fail, which it must not take.
  sleep 2
  running "$hack" || fail "vorn did not keep running under XScreenSaver"
  window=$(tr '\0' '\n' <"/proc/$hack/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
  [ -n "$window" ] || fail "XScreenSaver named no window for vorn"
  if eventually 20 shows_scene "$window" && eventually 20 shows_scene root; then
    echo "vorn draws on XScreenSaver's window $window:" \
      "$(colours "$work/scene-2.png") colours on the screen"
  else
    fail "XScreenSaver's window shows no scene"
  fi

  as_user xscreensaver-command -deactivate >/dev/null 2>&1 || fail "-deactivate was refused"
  if ! eventually 15 test -s "$home/vorn-status"; then
    fail "vorn did not end within 15 s of -deactivate"
  elif [ "$(cat "$home/vorn-status")" -ne 0 ]; then
    fail "vorn ended with exit code $(cat "$home/vorn-status") under XScreenSaver"
  else
    echo "after -deactivate vorn ended with exit code 0"
  fi
else
  fail "XScreenSaver did not start vorn within 15 s"
fi

kill "$daemon"
ended_within 15 "$daemon" || fail "XScreenSaver did not stop"
finish
