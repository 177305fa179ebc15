#!/usr/bin/env bash
# fudatori_screens.sh OUT_DIR [BUILD_DIR]: plays a few moves of a card-taking game under Xvfb
# and saves screenshots of the display, two of them taken during the pause after a click.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="$(realpath -m "${1:?output folder}")"
build="${2:-$root/build}"
source "$root/scripts/env.sh"
mkdir -p "$out"
export WINEPREFIX="$(mktemp -d /tmp/kasumiori-shots-prefix.XXXXXX)"
xvfb_pid=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$root/scripts/prepare-prefix" "$WINEPREFIX"
read -r DISPLAY xvfb_pid < <("$root/scripts/xvfb-start")
export DISPLAY
markers="$(mktemp -d /tmp/kasumiori-markers.XXXXXX)"
export KASUMIORI_SHOT_DIR="$(winepath -w "$markers")"
export WINEDEBUG=-all
cd "$build"
wine ./gui_tests.exe --gtest_also_run_disabled_tests \
  --gtest_filter='FudatoriBench.DISABLED_ScreenshotsOfABoardInPlay' >"$out/run.log" 2>&1 &
app=$!
while kill -0 "$app" 2>/dev/null; do
  for m in "$markers"/*; do
    [ -e "$m" ] || continue
    name="$(basename "$m")"
    import -window root "$out/$name.png"
    rm -f "$m"
    echo "shot $name"
  done
  sleep 0.05
done
app=""
rm -rf "$markers"
