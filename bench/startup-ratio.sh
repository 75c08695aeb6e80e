#!/usr/bin/env bash
# Counts the instructions of one run of matrix_mult on a full 10 x 10 input of
# large values, and of an empty program built the same way, with callgrind, and
# prints their ratio. The program's cost is mostly process start-up, so this
# ratio says how close it stays to doing nothing at all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cxx=${CXX:-c++}
flags=(-std=c++17 -O3 -DNDEBUG) # the flags of the Release build
input="$root/examples/full-10x10.txt"

printf 'int main() { return 0; }\n' > "$work/empty.cpp"
"$cxx" "${flags[@]}" -o "$work/empty" "$work/empty.cpp"
"$cxx" "${flags[@]}" -o "$work/matrix_mult" "$root/matrix_mult.cpp"

count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" < "$input" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
empty=$(count "$work/empty")
program=$(count "$work/matrix_mult")
echo "empty program: $empty instructions"
echo "matrix_mult:   $program instructions ($(basename "$input"))"
awk -v p="$program" -v e="$empty" 'BEGIN { printf "ratio:         %.2f (bar: 3.00)\n", p / e }'
