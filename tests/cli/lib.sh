# shellcheck shell=sh
# What every command-line test shares is the hosts' harness: a scratch folder
# removed on exit, and failures counted rather than ending the test at the first.
# shellcheck source=tests/host/lib.sh
. "$(dirname "$0")/../host/lib.sh"
