#!/usr/bin/env bash
# Fuzzes the portable skin code with libFuzzer (native clang build with AddressSanitizer and UBSan).
#   tools/fuzz.sh [SECONDS] [TARGET...]     default: 600 s each, every target, one after the other
#   tools/fuzz.sh coverage [TARGET...]      line coverage of the code by the work corpora so far
# Targets: skin_reader_fuzz (whole skin files), skin_archive_fuzz (plain archives, coded on the
# fly and round-tripped), quick_ini_fuzz (definition texts), bitmap_file_fuzz (bitmap files).
# The seeds in skin/resources/fuzz/corpus are copied into a work corpus under the build dir, so
# the repository only changes when you decide to keep an input. A crash leaves its input in
# BUILD/fuzz/artifacts/TARGET/; after the fix, copy it into skin/resources/fuzz/regressions/TARGET/
# where the seed test (ctest -R seeds) runs it on every test run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PASTELLE_BUILD:-$root/build}/fuzz"
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(skin_reader_fuzz skin_archive_fuzz quick_ini_fuzz bitmap_file_fuzz)

if [ "$seconds" = coverage ]; then
  # Source-based coverage: the same targets built with profiling, run once over each corpus.
  cov="$build-coverage"
  flags="-fprofile-instr-generate -fcoverage-mapping"
  cmake -S "$root" -B "$cov" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
  cmake --build "$cov" --target "${targets[@]}"
  rm -f "$cov"/*.profraw
  objects=()
  for target in "${targets[@]}"; do
    LLVM_PROFILE_FILE="$cov/$target.profraw" "$cov/skin/resources/fuzz/$target" -runs=0 \
      "$build/corpus/$target" "$root/skin/resources/fuzz/corpus/$target" >/dev/null 2>&1
    objects+=(-object "$cov/skin/resources/fuzz/$target")
  done
  llvm-profdata merge -o "$cov/all.profdata" "$cov"/*.profraw
  llvm-cov report -instr-profile="$cov/all.profdata" "${objects[@]:1}" \
    "$root"/skin/resources/*.cpp "$root"/tools/lzhuf/*.cpp
  exit 0
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPASTELLE_SANITIZE=ON >/dev/null
cmake --build "$build" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  cp -n "$root/skin/resources/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
  echo "== $target for $seconds s (work corpus $corpus)"
  log="$build/$target.log"
  if ! "$build/skin/resources/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$corpus" "$root/skin/resources/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    echo "$target FOUND A FAILURE: see $log and $artifacts" >&2
    status=1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
    "$log" || tail -n 5 "$log"
done
exit $status
