#!/usr/bin/env bash
# Takes the README's screenshots of the main window on a private virtual display: active, then
# inactive behind another window; in the default skin (the program as it starts) and in the skin
# of skins/midnight.skin (the main window loaded into that skin by main_window_in_skin).
# Usage: bash tools/screenshots.sh [OUT_DIR] (default docs/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"
out="${1:-$root/docs}"
mkdir -p "$out"

bash "$root/tools/setup-deps.sh"
# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
wine_choose_build || { echo "screenshots: $WINE_BUILD_REASON" >&2; exit 1; }
echo "Screenshots of build/$WINE_BUILD_TREE: $WINE_BUILD_REASON"
tree="$build/$WINE_BUILD_TREE"
windows_build_configure "$tree" "$WINE_BUILD_TREE"
cmake --build "$tree" --target pastelle main_window_in_skin wine-keeper
export WINE_KEEPER="$tree/tools/keeper/wine-keeper.exe"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wine_session_stop
}
trap cleanup EXIT
wine_session_start "$tree" private

wait_for_window() {
  for _ in $(seq 1 100); do
    if xdotool search --name "$1" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "screenshots: no window named '$1'" >&2
  return 1
}

# The window's rectangle on the display, as WIDTHxHEIGHT+X+Y.
geometry_of() {
  local id
  id=$(xdotool search --name "$1" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

wait_for_no_window() {
  for _ in $(seq 1 100); do
    if ! xdotool search --name "$1" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "screenshots: the window '$1' stays" >&2
  return 1
}

# Saves OUT/NAME-active.png and OUT/NAME-inactive.png of the main window of the program that the
# remaining arguments start, and ends it and the other window.
shoot() {
  local name=$1
  shift
  pids=()
  "$PASTELLE_WINE" "$@" </dev/null >/dev/null 2>&1 9>&- &
  pids+=($!)
  wait_for_window 'Pastelle V2.0'
  sleep 1
  local area id
  area=$(geometry_of 'Pastelle V2.0')
  import -window root -crop "$area" +repage "$out/$name-active.png"

  # Another program's window takes the focus; the main window stays in view, inactive.
  "$PASTELLE_WINE" notepad </dev/null >/dev/null 2>&1 9>&- &
  pids+=($!)
  sleep 2
  id=$(xdotool search --name 'Pastelle V2.0' | head -n1)
  xdotool windowraise "$id" 2>/dev/null || true
  sleep 1
  import -window root -crop "$area" +repage "$out/$name-inactive.png"
  echo "Saved $out/$name-active.png and $out/$name-inactive.png"
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  pids=()
  # The single-instance guard lets the next main window start only when this one has gone.
  wait_for_no_window 'Pastelle V2.0'
}

shoot main-window "$tree/app/pastelle.exe"
shoot main-window-midnight "$tree/tools/screenshots/main_window_in_skin.exe" \
  "$("$PASTELLE_WINE" winepath -w "$root/skins/midnight.skin")"
