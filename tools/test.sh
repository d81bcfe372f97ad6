#!/usr/bin/env bash
# Builds everything and runs every test: the house format, the portable code natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, then both Windows builds (i686 in build/win,
# x86_64 in build/win64) and the Windows tests under Wine on a private display: the i686 build's
# where this machine runs 32-bit programs, the x86_64 build's where it cannot.
#   bash tools/test.sh [--both] [ctest arguments...]
#     --both   run the Windows tests on both builds (on a machine that runs 32-bit programs)
# Installs what is missing first (tools/setup-deps.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"
jobs=$(nproc)
# Windows test programs mostly wait for Wine and the X server: more of them than cores.
wine_jobs=$((jobs + 2))
# CI runs this script: the project's own code must build without a single warning.
strict=-DPASTELLE_WARNINGS_AS_ERRORS=ON

both=false
if [ "${1:-}" = --both ]; then
  both=true
  shift
fi

bash "$root/tools/setup-deps.sh"
# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"

if ! wine_choose_build; then
  echo "tools/test.sh: cannot run the Windows tests: $WINE_BUILD_REASON" >&2
  exit 1
fi
trees=("$WINE_BUILD_TREE")
if $both; then
  if [ "$WINE_BUILD_TREE" != win ]; then
    echo "tools/test.sh: --both needs a machine that runs 32-bit programs; $WINE_BUILD_REASON" >&2
    exit 1
  fi
  if ! wine_can_run_64bit; then
    echo "tools/test.sh: --both needs wine64, and $WINE64_LOADER does not start" >&2
    exit 1
  fi
  trees=(win win64)
  echo "== Windows tests on both builds (--both): i686 under 32-bit Wine, then x86_64 under wine64"
else
  echo "== Windows tests on build/$WINE_BUILD_TREE: $WINE_BUILD_REASON"
fi

echo "== format"
bash "$root/tools/check-format.sh"

echo "== native build and tests (clang, sanitizers)"
cmake -S "$root" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPASTELLE_SANITIZE=ON "$strict" >/dev/null
cmake --build "$build/host" -j "$jobs"
ctest --test-dir "$build/host" --output-on-failure -j "$jobs" --timeout 300

for tree in win win64; do
  echo "== Windows build in build/$tree"
  windows_build_configure "$build/$tree" "$tree" "$strict"
  cmake --build "$build/$tree" -j "$jobs"
done

trap wine_session_stop EXIT
for tree in "${trees[@]}"; do
  echo "== Windows tests of build/$tree under Wine"
  export WINE_KEEPER="$build/$tree/tools/keeper/wine-keeper.exe"
  # Two desktops, each a prefix and display of its own: a test that uses the display, the focus
  # or the clipboard has one to itself; tests that use none run beside them.
  wine_session_start "$build/$tree" private 2
  ctest --test-dir "$build/$tree" --output-on-failure -j "$wine_jobs" \
    --resource-spec-file "$PASTELLE_DESKTOPS/resources.json" "$@"
  wine_session_stop
done
