#!/usr/bin/env bash
# Builds Pastelle and starts it under Wine: on $DISPLAY when one is set, otherwise on a private
# virtual display, where a screenshot is saved once the window is up. Installs what is missing.
# Starts the 32-bit program (build/win) where this machine runs 32-bit programs, else the 64-bit
# one (build/win64).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"

bash "$root/tools/setup-deps.sh"
# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
if ! wine_choose_build; then
  echo "tools/run.sh: cannot run Pastelle here: $WINE_BUILD_REASON" >&2
  exit 1
fi
tree="$build/$WINE_BUILD_TREE"
echo "Pastelle from build/$WINE_BUILD_TREE: $WINE_BUILD_REASON"
windows_build_configure "$tree" "$WINE_BUILD_TREE"
cmake --build "$tree" --target pastelle

trap wine_session_stop EXIT
if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Pastelle on display $DISPLAY"
  wine_session_start "$tree" current
  "$PASTELLE_WINE" "$tree/app/pastelle.exe"
  exit 0
fi

wine_session_start "$tree" private
shot="${PASTELLE_SCREENSHOT:-$build/pastelle-screenshot.png}"
echo "No DISPLAY set: running Pastelle on a private virtual display ($DISPLAY)."
"$PASTELLE_WINE" "$tree/app/pastelle.exe" </dev/null >/dev/null 2>&1 9>&- &
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
