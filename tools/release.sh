#!/usr/bin/env bash
# Builds the release: the portable zip and the installer (NSIS), in build/win/release/.
# Installs what is missing first (tools/setup-deps.sh). PASTELLE_BUILD=dir moves the build trees.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"
start=$(date +%s.%N)

bash "$root/tools/setup-deps.sh"
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" -j "$(nproc)" --target release

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/win/CMakeCache.txt")
echo "Release $version ($(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }') s):"
for file in "$build/win/release/pastelle-$version-win32.zip" "$build/win/release/pastelle-$version-setup.exe"; do
  printf '  %s  %s bytes\n' "$file" "$(stat -c %s "$file")"
done
