#!/usr/bin/env bash
# Builds the release of both Windows builds: for each a portable zip and an installer (NSIS),
#   build/win/release/    pastelle-VERSION-win32.zip, pastelle-VERSION-win32-setup.exe (i686)
#   build/win64/release/  pastelle-VERSION-win64.zip, pastelle-VERSION-win64-setup.exe (x86_64)
# and prints the time it took and the files' sizes.
# Installs what is missing first (tools/setup-deps.sh). PASTELLE_BUILD=dir moves the build trees.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}"
start=$(date +%s.%N)

bash "$root/tools/setup-deps.sh"
# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
files=()
for tree in win win64; do
  arch=win32
  [ "$tree" = win64 ] && arch=win64
  windows_build_configure "$build/$tree" "$tree"
  cmake --build "$build/$tree" -j "$(nproc)" --target release
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/$tree/CMakeCache.txt")
  files+=("$build/$tree/release/pastelle-$version-$arch.zip" "$build/$tree/release/pastelle-$version-$arch-setup.exe")
done

echo "Release $version ($(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }') s):"
for file in "${files[@]}"; do
  printf '  %s  %s bytes\n' "$file" "$(stat -c %s "$file")"
done
