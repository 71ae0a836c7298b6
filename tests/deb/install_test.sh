#!/bin/sh
# The Debian package as a new user meets it, in a copy of a clean Debian 12
# root: `apt-get install ./vorn_*.deb` pulls in its dependencies and nothing
# else, the hack renders a snapshot with no display server, `man vorn` works, and purging the
# package leaves nothing of it behind. Needs root (chroot, mounts) and
# Debian's archive; the clean root is made once by scripts/make-debian-root.
# Usage: install_test.sh DIR-WITH-THE-DEB CLEAN-ROOT-CACHE
# shellcheck disable=SC2016 # dpkg-query formats are meant literally
set -u
cache=$2
for deb in "$1"/vorn_[0-9]*.deb; do break; done
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

[ "$(id -u)" -eq 0 ] || { echo "install_test: needs root for chroot and mounts" >&2; exit 1; }
[ -f "$deb" ] || { echo "install_test: no vorn package in $1 (make deb)" >&2; exit 1; }
"$scripts/make-debian-root" "$cache" || exit 1

work=$(mktemp -d "${TMPDIR:-/tmp}/vorn-deb-test.XXXXXX")
root="$work/root"
# The copy is deleted only once nothing is mounted inside it any more.
# shellcheck disable=SC2317 # called by the trap
cleanup() {
  for mount in dev proc; do
    if mountpoint -q "$root/$mount"; then umount "$root/$mount" || umount -l "$root/$mount"; fi
  done
  if findmnt -rn -o TARGET | grep -q "^$root"; then
    echo "install_test: $root still has mounts; left in place" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM
cp -a "$cache" "$root"
mount --bind /dev "$root/dev"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/root/"

inside() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
# Every file and directory of the root but the changing state of apt, dpkg,
# logs and caches, one path a line, sorted.
files() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./tmp -o -path ./run \
    -o -path ./var/cache -o -path ./var/log -o -path ./var/lib/apt -o -path ./var/lib/dpkg \
    -o -path ./root \) -prune -o -print) | sort
}
installed() {
  inside dpkg-query -W -f '${db:Status-Status} ${Package}\n' | awk '$1 == "installed" { print $2 }' |
    sort
}

inside apt-get update -qq || exit 1
installed >"$work/packages-before"
inside sh -c 'cd /root && apt-get install -y -qq ./vorn_*.deb' >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  exit 1
}
installed >"$work/packages-after"

# Everything new must be reachable from vorn through the fields apt follows by
# default, where vorn itself declares Depends only. Virtual names resolve to
# the installed packages that provide them.
[ -z "$(inside dpkg-query -W -f '${Recommends}${Pre-Depends}' vorn)" ] ||
  fail "vorn declares more than Depends"
inside dpkg-query -W -f '${db:Status-Status}\t${Package}\t${Provides}\t${Depends}, ${Pre-Depends}, ${Recommends}\n' |
  awk -F '\t' '
    function names(field, out,   n, i, parts) {
      gsub(/\([^)]*\)|:any/, "", field)
      n = split(field, parts, /[,|]/)
      for (i = 1; i <= n; i++) { gsub(/ /, "", parts[i]); if (parts[i] != "") out[parts[i]] = 1 }
    }
    $1 == "installed" {
      provides[$2, $2] = 1
      delete given; names($3, given); for (name in given) provides[name, $2] = 1
      needs[$2] = $4
    }
    END {
      reached["vorn"] = 1; queue[1] = "vorn"; last = 1
      for (first = 1; first <= last; first++) {
        delete wanted; names(needs[queue[first]], wanted)
        for (name in wanted)
          for (key in provides) {
            split(key, pair, SUBSEP)
            if (pair[1] == name && !(pair[2] in reached)) { reached[pair[2]] = 1; queue[++last] = pair[2] }
          }
      }
      for (package in reached) print package
    }' | sort >"$work/reachable"
comm -13 "$work/packages-before" "$work/packages-after" >"$work/new"
extra=$(comm -23 "$work/new" "$work/reachable")
if [ -n "$extra" ]; then
  fail "installed without being a dependency: $extra"
else
  echo "install_test: vorn pulled in $(($(wc -l <"$work/new") - 1)) packages, all of them its dependencies"
fi
grep -qx vorn "$work/new" || fail "vorn is not installed"

# The manual reader is the test's, not the package's.
inside apt-get install -y -qq --no-install-recommends man-db \
  >"$work/tools.log" 2>&1 || {
  cat "$work/tools.log" >&2
  exit 1
}
inside /usr/libexec/xscreensaver/vorn --snapshot /root/shot.png --size 320x240 --seed 1 \
  --ms 5000 --clock 10:08:30 || fail "the snapshot failed"
size=$(od -An -tu1 -j16 -N8 "$root/root/shot.png" 2>/dev/null |
  awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
[ "$size" = 320x240 ] || fail "the snapshot is not a 320x240 PNG"

inside man -w vorn >/dev/null || fail "man finds no page for vorn"
inside sh -c 'MANPAGER=cat MANWIDTH=80 man vorn 2>&1' >"$work/man.txt"
if ! grep -q '^SYNOPSIS' "$work/man.txt" || ! grep -q 'xscreensaver-settings' "$work/man.txt"; then
  fail "man vorn does not show the page"
fi

inside dpkg -L vorn | sort >"$work/vorn-files"
files >"$work/files-before"
inside apt-get remove --purge -y -qq vorn >/dev/null 2>&1 || fail "apt-get remove --purge vorn failed"
files >"$work/files-after"
new=$(comm -13 "$work/files-before" "$work/files-after")
[ -z "$new" ] || fail "removing vorn added: $new"
while read -r path; do
  [ "$path" != /. ] || continue
  [ -e "$root$path" ] || [ -L "$root$path" ] || continue
  [ -d "$root$path" ] && inside dpkg -S "$path" >/dev/null 2>&1 && continue
  fail "left behind: $path"
done <"$work/vorn-files"
left=$(cd "$root" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./root \) -prune -o \
  -iname '*vorn*' -print)
[ -z "$left" ] || fail "paths named after vorn remain: $left"

[ "$failures" -eq 0 ] && echo "Debian package: all checks passed"
exit "$failures"
