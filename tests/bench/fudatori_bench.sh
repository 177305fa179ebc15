#!/usr/bin/env bash
# fudatori_bench.sh [BUILD_DIR]: times the card-taking view's full drawing during a game and
# one take from click to mark (without the 1000 ms pause), under Xvfb and Wine. Not a test.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
source "$root/scripts/env.sh"
[ -x "$build/gui_tests.exe" ] || { echo "no $build/gui_tests.exe: build first" >&2; exit 1; }
export WINEPREFIX="$(mktemp -d /tmp/kasumiori-bench-prefix.XXXXXX)"
xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$root/scripts/prepare-prefix" "$WINEPREFIX"
read -r DISPLAY xvfb_pid < <("$root/scripts/xvfb-start")
export DISPLAY
cd "$build"
wine ./gui_tests.exe --gtest_also_run_disabled_tests --gtest_filter='FudatoriBench.*' 2>/dev/null \
  | grep '^BENCH'
