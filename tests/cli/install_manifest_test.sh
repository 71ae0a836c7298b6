#!/bin/sh
# An install into a fresh prefix: its install_manifest.txt lists every file
# and link it made, so that removing the install by the manifest leaves
# nothing behind.
# Usage: install_manifest_test.sh BUILD_DIR path/to/cmake
set -u
build=$1 cmake=$2
# shellcheck source=tests/cli/lib.sh
. "$(dirname "$0")/lib.sh"

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || fail "the install failed"
sort "$build/install_manifest.txt" >"$work/listed"
find "$work/prefix" ! -type d | sort >"$work/installed"
unlisted=$(comm -23 "$work/installed" "$work/listed")
[ -z "$unlisted" ] || fail "installed but not in the manifest: $unlisted"
[ -s "$work/listed" ] || fail "the manifest lists nothing"

finish "install manifest"
