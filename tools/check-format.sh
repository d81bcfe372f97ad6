#!/usr/bin/env bash
# Checks that every C and C++ source file the repository tracks is in the house format
# (.clang-format, under Debian 12's clang-format 14). Names the files that are not and exits 1.
# `bash tools/check-format.sh --fix` formats them in place instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
format=${CLANG_FORMAT:-clang-format}
if ! "$format" --version >/dev/null 2>&1; then
  echo "check-format: $format does not run (tools/setup-deps.sh installs it)" >&2
  exit 2
fi

mapfile -t files < <(git ls-files '*.c' '*.cpp' '*.h' '*.hpp')
if [ "${1:-}" = --fix ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$format" -i
  exit 0
fi

# clang-format names each file that differs in a warning of its own.
mapfile -t unformatted < <(printf '%s\0' "${files[@]}" |
  xargs -0 -n 50 -P "$(nproc)" "$format" --dry-run 2>&1 >/dev/null |
  sed -n 's/^\(.*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not in the house format (bash tools/check-format.sh --fix formats them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "Format: ${#files[@]} source files in the house format"
