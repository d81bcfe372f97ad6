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
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" --target pastelle main_window_in_skin wine-keeper

# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
export WINE_KEEPER="$build/win/tools/keeper/wine-keeper.exe"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wine_session_stop
}
trap cleanup EXIT
wine_session_start "$build/win" private

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
  wine "$@" </dev/null >/dev/null 2>&1 9>&- &
  pids+=($!)
  wait_for_window 'Pastelle V2.0'
  sleep 1
  local area id
  area=$(geometry_of 'Pastelle V2.0')
  import -window root -crop "$area" +repage "$out/$name-active.png"

  # Another program's window takes the focus; the main window stays in view, inactive.
  wine notepad </dev/null >/dev/null 2>&1 9>&- &
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

shoot main-window "$build/win/app/pastelle.exe"
shoot main-window-midnight "$build/win/tools/screenshots/main_window_in_skin.exe" "$(winepath -w "$root/skins/midnight.skin")"
