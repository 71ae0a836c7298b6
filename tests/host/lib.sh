# shellcheck shell=sh
# What every host test shares, whatever the host (X11, Wine, the command line,
# Wayland, a browser). Sourced first by each host's own lib.sh. Gives:
#   $work                  a scratch folder, removed at exit
#   fail MESSAGE, finish [NAME]  count failures; finish exits 1 if any, else 0
#   start COMMAND...       runs it in the background (pid in $started); at exit
#                          everything started is ended, then host_cleanup runs
#                          if the host's lib defines it
#   running PID            true while PID runs (a zombie does not)
#   ended_within S PID     waits up to S seconds for PID to end; code in $status
#   eventually S COMMAND...  waits up to S seconds for COMMAND to succeed
#   idle PID               PID used under 2% of a core over the next second
#   colours, share_of, percent_of, greater   what a picture shows (ImageMagick)
#   shows_scene TARGET     the scene drawn and moving, from two `shot TARGET
#                          FILE` pictures (each host's lib defines shot)
# Deadlines are wall-clock time; a condition is always tried once more at the
# deadline, so a slow machine fails only when the condition really is false.

work=$(mktemp -d)
failures=0
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
  # shellcheck disable=SC2317 # called through eventually
  ended() { ! running "$1"; }
  eventually "$1" ended "$2" || return 1
  wait "$2"
  # shellcheck disable=SC2034 # read by the caller
  status=$?
  return 0
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
