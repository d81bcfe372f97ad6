#!/usr/bin/env bash
# Regenerates, from the artwork code, everything the repository keeps of the skins: the main
# form's stored default skin (app/res/default_skin.stream and its hexadecimal text), the program's
# bitmap resources (app/res/*.bmp), the dark skin file skins/midnight.skin and the contact sheets
# (docs/default-skin-sheet.png, docs/midnight-skin-sheet.png); then checks both skins the way the
# program reads them. Builds the two tools natively first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${PASTELLE_BUILD:-$root/build}/tools-release"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target skinart skinpack >/dev/null
"$build/tools/skinart/skinart" regenerate "$root"
"$build/tools/skinpack/skinpack" verify --stream "$root/app/res/default_skin.stream"
"$build/tools/skinpack/skinpack" verify "$root/skins/midnight.skin"
