#!/usr/bin/env bash
# Runs one Windows program under the Wine session prepared by tools/wine-session.sh.
# ctest uses this as its emulator for every cross-built test program.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no Wine session (WINEPREFIX and DISPLAY unset); run tools/test.sh" >&2
  exit 2
fi
exec "${PASTELLE_WINE:-wine}" "$@"
