#!/usr/bin/env bash
# Whole processes side by side: `skinpack lzh-decode` against the textbook decoder
# (`unpack_bench textbook-decode`), each reading the coded file and writing the expanded one, on
# the benchmark's three samples. Not a test.
#   bash skin/resources/bench/decode_processes.sh BUILD [ROUNDS]
# BUILD is an optimised native build holding the targets skinpack and unpack_bench, e.g.
#   cmake -S . -B /tmp/bench -G Ninja -DCMAKE_BUILD_TYPE=Release
#   cmake --build /tmp/bench --target skinpack unpack_bench
# The two take turns, a batch of runs each per round; each keeps its fastest round. Times are
# processor time (user + system, of the processes and everything they do), which a busy machine
# disturbs far less than the wall clock.
set -euo pipefail
build=${1:?usage: decode_processes.sh BUILD [ROUNDS]}
rounds=${2:-15}
skinpack="$build/tools/skinpack/skinpack"
bench="$build/skin/resources/bench/unpack_bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bench" write-samples "$work"

# Processor seconds (user + system) for `batch` runs of the command.
batch_seconds() {
  local TIMEFORMAT='%3U %3S' times
  times=$({ time (for ((run = 0; run < batch; run++)); do "$@" >/dev/null; done); } 2>&1)
  echo "$times" | awk '{ printf "%.3f", $1 + $2 }'
}

printf '%-16s %9s %9s  %s\n' sample textbook skinpack 'textbook/skinpack time'
for sample in random.bin mixed.bin skin_bitmap.bmp; do
  "$skinpack" lzh-encode "$work/$sample" "$work/$sample.lzh" >/dev/null
  "$bench" textbook-decode "$work/$sample.lzh" "$work/$sample.textbook"
  "$skinpack" lzh-decode "$work/$sample.lzh" "$work/$sample.skinpack" >/dev/null
  cmp -s "$work/$sample" "$work/$sample.textbook" || { echo "$sample: textbook output differs" >&2; exit 1; }
  cmp -s "$work/$sample" "$work/$sample.skinpack" || { echo "$sample: skinpack output differs" >&2; exit 1; }

  batch=10
  best_textbook=1e9
  best_skinpack=1e9
  for ((round = 0; round < rounds; round++)); do
    t=$(batch_seconds "$bench" textbook-decode "$work/$sample.lzh" "$work/$sample.out")
    s=$(batch_seconds "$skinpack" lzh-decode "$work/$sample.lzh" "$work/$sample.out")
    best_textbook=$(echo "$best_textbook $t" | awk '{ print ($2 < $1 ? $2 : $1) }')
    best_skinpack=$(echo "$best_skinpack $s" | awk '{ print ($2 < $1 ? $2 : $1) }')
  done
  echo "$sample $best_textbook $best_skinpack $batch" |
    awk '{ printf "%-16s %7.2f ms %7.2f ms  %.2f\n", $1, $2 * 1000 / $4, $3 * 1000 / $4, $2 / $3 }'
done
