#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows program's tests under Wine on a private display.
# Installs what is missing first (tools/setup-deps.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"
jobs=$(nproc)
# CI runs this script: the project's own code must build without a single warning.
strict=-DPASTELLE_WARNINGS_AS_ERRORS=ON

bash "$root/tools/setup-deps.sh"

echo "== native build and tests (clang, sanitizers)"
cmake -S "$root" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPASTELLE_SANITIZE=ON "$strict" >/dev/null
cmake --build "$build/host" -j "$jobs"
ctest --test-dir "$build/host" --output-on-failure -j "$jobs" --timeout 300

echo "== Windows build (mingw-w64 i686) and tests under Wine"
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" "$strict" >/dev/null
cmake --build "$build/win" -j "$jobs"

# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
export WINE_KEEPER="$build/win/tools/keeper/wine-keeper.exe"
trap wine_session_stop EXIT
wine_session_start "$build/win" private
# GUI tests share the display, the focus and the clipboard: one at a time.
ctest --test-dir "$build/win" --output-on-failure "$@"
