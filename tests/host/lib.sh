# shellcheck shell=sh
# What every host test shares, whatever the host (X11, Wine, the command line,
# Wayland, a browser). Sourced first by each host's own lib.sh. Gives:
#   $work                  a scratch folder, removed at exit
#   fail MESSAGE, finish [NAME]  count failures; finish exits 1 if any, else 0
#   check WHAT COMMAND...  one named check: passes (counted in $passed) when
#                          COMMAND succeeds, else fails with WHAT
#   start COMMAND...       runs it in the background (pid in $started); at exit
#                          everything started is ended, then host_cleanup runs
#                          if the host's lib defines it
#   start_display SIZE [ARGS...]  a private Xvfb: $server, $display
#   running PID, ended PID  whether PID runs (a zombie does not)
#   ended_within S PID     waits up to S seconds for PID to end; code in $status
#                          (exit_code_of PID, where a host's lib knows better)
#   eventually S COMMAND...  waits up to S seconds for COMMAND to succeed
#   expect_ended PID WHAT [S]  a check: PID ends within S seconds (15 by default)
#                          with exit code 0 after WHAT; ended if it does not
#   expect_running PID WHAT [S]  a check: PID still runs S seconds (1 by
#                          default) after WHAT
#   idle PID               PID used under 2% of a core over the next second
#   drop_root, reachable FILE  a prefix that runs a command without root's
#                          rights, and a copy of FILE that its user can run
#   settings ROTATE DETAIL the Linux settings file under $XDG_CONFIG_HOME
#   colours, share_of, percent_of, greater   what a picture shows (ImageMagick)
# What the hosts show, through `shot TARGET FILE` (each host's lib defines it):
#   shows_scene TARGET     the scene drawn and moving, from two pictures
#   look TARGET, look_of FILE  "day", "night" or "unclear", by the sky colour
#                          that covers $sky_share percent of $sky_area
#   await_look TARGET LOOK [S]  waits for a look ("either" for day or night)
#   other_look LOOK, sky_share TARGET AREA, shows_rate TARGET AREA
# How a hand moves, through `nudge DX DY` (each host's lib defines it):
#   jitter                 two seconds within 5 pixels of where it began
#   sweep [S]              a slow hand: 42 pixels in steps of 3, S seconds apart
# The idle watcher in $watcher:
#   saver_started, saver_gone  its vorn /s child runs (pid in $saver); has ended
#   saver_comes_and_goes WHEN SHOWN KEY...  it comes, shows, and a key ends it
#   watcher_ends_with_session HOW SECONDS  it ends, with 0 and quietly
# Deadlines are wall-clock time; a condition is always tried once more at the
# deadline, so a slow machine fails only when the condition really is false.

work=$(mktemp -d)
failures=0
passed=0
started_pids=""

cleanup() {
  for pid in $started_pids; do
    kill "$pid" 2>/dev/null
  done
  for pid in $started_pids; do
    wait "$pid" 2>/dev/null
  done
  ! command -v host_cleanup >/dev/null || host_cleanup
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

check() {
  checking=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "  ok    $checking"
  else
    fail "$checking"
  fi
}

# Ends the test named $1 (the script's name by default); a count of failures
# as the exit code would wrap around at 256.
# shellcheck disable=SC2120 # the name is optional
finish() {
  if [ "$failures" -eq 0 ]; then
    echo "${1:-$(basename "$0")}: all checks passed"
    exit 0
  fi
  echo "${1:-$(basename "$0")}: $failures checks failed" >&2
  exit 1
}

start() {
  "$@" &
  started=$!
  started_pids="$started_pids $started"
}

running() {
  [ -r "/proc/$1/stat" ] && [ "$(sed 's/.*) //' "/proc/$1/stat" | cut -c1)" != Z ]
}

ended() {
  ! running "$1"
}

start_display() {
  rm -f "$work/displayfd"
  mkfifo "$work/displayfd"
  size=$1
  shift
  # Opening the pipe waits for its reader: only a background job may open it.
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp "$@" 3>"$work/displayfd" 2>/dev/null &
  server=$!
  started_pids="$started_pids $server"
  read -r number <"$work/displayfd" || return 1
  # shellcheck disable=SC2034 # read by the caller
  display=":$number"
}

# Hundredths of a second since boot: a clock that a loaded machine cannot skip.
now() {
  sed 's/\.//; s/ .*//' /proc/uptime
}

eventually() {
  deadline=$(($(now) + $1 * 100))
  shift
  until "$@"; do
    [ "$(now)" -lt "$deadline" ] || {
      "$@"
      return
    }
    sleep 0.1
  done
}

ended_within() {
  eventually "$1" ended "$2" || return 1
  wait "$2"
  # shellcheck disable=SC2034 # read by the caller
  status=$?
  return 0
}

# shellcheck disable=SC2317 # called through check
ends_cleanly() {
  if ! ended_within "$2" "$1"; then
    echo "        still running after $2 s"
    kill "$1" 2>/dev/null
    return 1
  fi
  code=$(exit_code_of "$1")
  [ "$code" = 0 ] || {
    echo "        exit code ${code:-unknown}"
    return 1
  }
}

# A host's lib may know better, where its processes run under another.
exit_code_of() {
  echo "$status"
}

expect_ended() {
  check "$2 ends vorn with exit code 0" ends_cleanly "$1" "${3:-15}"
}

# Input that must not end it has had its chance once $2 seconds have passed.
# shellcheck disable=SC2317 # called through check
runs_on() {
  ! eventually "$2" ended "$1"
}

expect_running() {
  check "vorn runs on after $2" runs_on "$1" "${3:-1}"
}

# Processor time used by the process $1 so far, in clock ticks.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null
}

# A process that draws frames, even a few a second, uses more.
idle() {
  before=$(cpu_ticks "$1")
  sleep 1
  [ $(($(cpu_ticks "$1") - before)) -le $(($(getconf CLK_TCK) / 50)) ]
}

# Root runs as nobody what root may not do or would do too easily; any other
# user has no rights to drop.
drop_root=""
[ "$(id -u)" -ne 0 ] || drop_root="setpriv --reuid=nobody --regid=nogroup --clear-groups"

# A build under /root (mode 700) is out of nobody's reach.
reachable() {
  if [ -z "$drop_root" ]; then
    echo "$1"
    return
  fi
  chmod 755 "$work"
  cp "$1" "$work/"
  echo "$work/$(basename "$1")"
}

settings() {
  mkdir -p "$XDG_CONFIG_HOME/vorn"
  printf '[vorn]\nRotate=%s\nDetail=%s\n' "$1" "$2" >"$XDG_CONFIG_HOME/vorn/vorn.conf"
}

# Number of different colours in picture $1, or in its area $2 (WxH+X+Y).
colours() {
  convert "$1" ${2:+-crop "$2" +repage} -format '%k' info:
}

# Share (0 to 1) of the area $3 of picture $1 in the colour $2, give or take $4 (0 by default).
share_of() {
  convert "$1" -crop "$3" +repage -fuzz "${4:-0}" -fill magenta -opaque "$2" -fill black \
    +opaque magenta -fill white -opaque magenta -colorspace Gray -format '%[fx:mean]' info:
}

# Whole percentage of the area $3 of picture $1 within 3% of the colour $2.
percent_of() {
  awk -v share="$(share_of "$1" "$2" "$3" 3%)" 'BEGIN { printf "%d\n", 100 * share + 0.5 }'
}

# True when the decimal $1 is greater than $2.
greater() {
  awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'
}

# True when $1 shows the scene drawn and moving: nothing drawn is one colour,
# the least of the scene (sky and fogged floor) dozens; a second picture
# differs once a frame has been drawn in between.
shows_scene() {
  shot "$1" "$work/scene-1.png"
  [ "$(colours "$work/scene-1.png")" -ge 10 ] || return 1
  # shellcheck disable=SC2317 # called through eventually
  moved() {
    shot "$1" "$work/scene-2.png"
    ! compare -metric AE "$work/scene-1.png" "$work/scene-2.png" null: 2>/dev/null
  }
  eventually 3 moved "$1"
}

# The clear colours; the sky fills the top rows of the picture at a window's
# usual shapes (a host's lib may name another area after sourcing this).
day_sky='srgb(236,236,236)'
night_sky='srgb(0,0,0)'
sky_area=400x10+0+0
sky_share=50

look_of() {
  if [ "$(percent_of "$1" "$day_sky" "$sky_area")" -ge "$sky_share" ]; then
    echo day
  elif [ "$(percent_of "$1" "$night_sky" "$sky_area")" -ge "$sky_share" ]; then
    echo night
  else
    echo unclear
  fi
}

# A picture taken between frames on a busy machine can come out unclear.
look() {
  shot "$1" "$work/look.png"
  look_of "$work/look.png"
}

# shellcheck disable=SC2317 # called through eventually
shows_look() {
  seen=$(look "$1")
  case $2 in
    either) [ "$seen" != unclear ] ;;
    *) [ "$seen" = "$2" ] ;;
  esac
}

# The last look seen is in $seen, its picture in $work/look.png.
await_look() {
  eventually "${3:-15}" shows_look "$1" "$2"
}

other_look() {
  if [ "$1" = day ]; then echo night; else echo day; fi
}

# Percentage of the area $2 in the colour of the sky that $1 shows. Seen from
# the usual distance the floor fills the bottom rows; zoomed out to the
# farthest, the camera looks past the floor's near edge into the empty sky.
sky_share() {
  if [ "$(look "$1")" = day ]; then sky=$day_sky; else sky=$night_sky; fi
  percent_of "$work/look.png" "$sky" "$2"
}

# --fps: a dark box with light text in it.
shows_rate() {
  shot "$1" "$work/corner.png"
  [ "$(percent_of "$work/corner.png" black "$2")" -ge 50 ] &&
    [ "$(percent_of "$work/corner.png" white "$2")" -ge 5 ]
}

# Relative steps of at most 5 pixels each that stay within 5 pixels of where
# they begin, whether the first step or the place before it counts as the start.
jitter_steps="3 3  1 2  -4 -1  -4 -2  -1 -4  3 -3  4 2  -2 3"

# Its time is the point: a hand resting on the mouse for two seconds.
jitter() {
  nudge 1 0
  until_time=$(($(now) + 200))
  while [ "$(now)" -lt "$until_time" ]; do
    # shellcheck disable=SC2086 # pairs of numbers
    set -- $jitter_steps
    while [ "$#" -ge 2 ]; do
      nudge "$1" "$2"
      shift 2
      sleep 0.05
    done
  done
}

# A real mouse reports many small steps a few milliseconds apart; a host
# that hands on only the latest of the moves waiting between two frames
# needs steps further apart ($1 seconds) to see each one.
sweep() {
  for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14; do
    nudge 3 0
    sleep "${1:-0.008}"
  done
}

# The idle watcher's saver: a vorn /s child of $watcher runs (its pid in
# $saver), and that saver has ended.
# shellcheck disable=SC2317,SC2154 # called through eventually; $watcher is the caller's
saver_started() {
  saver=$(pgrep -P "$watcher" -f "/s\$")
  [ -n "$saver" ]
}
# shellcheck disable=SC2317 # called through eventually
saver_gone() { ! running "$saver"; }

# The watcher's saver comes and shows (SHOWN, a condition given as one string
# of words), and a key (the rest: the host's way to press one) ends it while
# the watcher stays. Failures begin with WHEN.
saver_comes_and_goes() {
  when=$1 saver_shows=$2
  shift 2
  if ! eventually 20 saver_started; then
    fail "$when: no saver after the idle time: $(cat "$work/idle.err")"
    return
  fi
  # shellcheck disable=SC2086 # the condition is meant to split into words
  eventually 20 $saver_shows || fail "$when: the saver shows nothing"
  "$@"
  eventually 5 saver_gone || fail "$when: a key did not end the saver"
  running "$watcher" || fail "$when: the watcher ended with its saver"
}

# Once the session has gone (HOW says how), the watcher ends within SECONDS,
# with code 0 and without a word.
watcher_ends_with_session() {
  if ! ended_within "$2" "$watcher"; then
    fail "the watcher still runs $2 s after $1"
  elif [ "$status" -ne 0 ]; then
    fail "the watcher ended with code $status after $1"
  fi
  ! grep '^vorn-idle:' "$work/idle.err" || fail "the watcher was not quiet after $1"
}
