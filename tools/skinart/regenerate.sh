#!/usr/bin/env bash
# Regenerates, from the artwork code, everything the repository keeps of the default skin: the
# main form's stored skin (app/res/default_skin.stream and its hexadecimal text), the program's
# bitmap resources (app/res/*.bmp) and the contact sheet (docs/default-skin-sheet.png); then
# checks the stored skin the way the program reads it. Builds the two tools natively first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${PASTELLE_BUILD:-$root/build}/tools-release"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target skinart skinpack >/dev/null
"$build/tools/skinart/skinart" regenerate "$root"
"$build/tools/skinpack/skinpack" verify --stream "$root/app/res/default_skin.stream"
