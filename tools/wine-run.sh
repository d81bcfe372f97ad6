#!/usr/bin/env bash
# Runs one Windows program under the Wine session prepared by tools/wine-session.sh.
# ctest uses this as its emulator for every cross-built test program.
#   wine-run.sh [--desktop] PROGRAM [ARGUMENTS...]
# --desktop: the program needs a desktop to itself. It runs on the one ctest allotted its test
# (ctest is handed the session's resources.json); with none allotted, such programs take
# turns on the first desktop.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no Wine session (WINEPREFIX and DISPLAY unset); run tools/test.sh" >&2
  exit 2
fi
if [ "${1:-}" = --desktop ]; then
  shift
  # shellcheck source=tools/wine-session.sh
  source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
  if ! wine_enter_allotted_desktop && [ -n "${PASTELLE_DESKTOPS:-}" ]; then
    exec 8>"$PASTELLE_DESKTOPS/desktop.lock"
    flock 8
  fi
fi
exec "${PASTELLE_WINE:-wine}" "$@"
