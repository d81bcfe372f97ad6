#!/usr/bin/env bash
# Builds Pastelle and starts it under Wine: on $DISPLAY when one is set, otherwise on a private
# virtual display, where a screenshot is saved once the window is up. Installs what is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"

bash "$root/tools/setup-deps.sh"
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" --target pastelle

# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
trap wine_session_stop EXIT
if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Pastelle on display $DISPLAY"
  wine_session_start "$build/win" current
  wine "$build/win/app/pastelle.exe"
  exit 0
fi

wine_session_start "$build/win" private
shot="${PASTELLE_SCREENSHOT:-$build/pastelle-screenshot.png}"
echo "No DISPLAY set: running Pastelle on a private virtual display ($DISPLAY)."
wine "$build/win/app/pastelle.exe" </dev/null >/dev/null 2>&1 9>&- &
app=$!
for _ in $(seq 1 100); do
  if xdotool search --name 'Pastelle V2.0' >/dev/null 2>&1; then break; fi
  sleep 0.1
done
sleep 1
import -window root "$shot"
echo "Screenshot saved: $shot"
if [ -n "${PASTELLE_RUN_SECONDS:-}" ]; then
  sleep "$PASTELLE_RUN_SECONDS"
else
  echo "Pastelle runs until its window is closed (Ctrl+C stops it)."
  wait "$app" || true
fi
