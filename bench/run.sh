#!/usr/bin/env bash
# Times the whole process of the tool at 9999 pages against a floor program
# that makes only the system calls the tool may make (one write per line), a
# bash printf loop and an awk one-liner, all writing the same bytes. Runs are
# interleaved; the figures are medians. Then peak memory (max RSS) at 1, 9999
# and 100000 pages, and the number of write calls at 9999 pages.
# Usage: bench/run.sh [ROUNDS]   (default 101)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh

ensure_packages cmake make g++ time strace

rounds=${1:-101}
pages=9999

cmake --workflow --preset release >/dev/null
tool=$PWD/build/release/djvu-split-script
work=$PWD/build/bench
rm -rf "$work"
mkdir -p "$work"
g++ -std=c++20 -O3 -DNDEBUG -o "$work/floor" bench/floor.cc
cp bench/printf-loop.sh "$work/printf-loop.sh"
cd "$work"

names=(tool floor bash-printf awk)
commands=(
  "$tool"
  "$work/floor"
  "bash $work/printf-loop.sh"
  "bash -c 'pages=\$(< n.txt) && rm n.txt && exec awk -v pages=\"\$pages\" \"BEGIN { for (p = 1; p <= pages; p++) printf \\\"select %d\\\\r\\\\nsave-page-with  output/%04d.djvu\\\\r\\\\n\\\", p, p }\" > script.txt'"
)

# run INDEX COUNT: one run in a fresh state; prints the wall time in microseconds.
run() {
  rm -f script.txt
  echo "$2" > n.txt
  local start=$EPOCHREALTIME
  eval "${commands[$1]}"
  local end=$EPOCHREALTIME
  echo $(( ${end/./} - ${start/./} ))
}

# All four must write the same bytes, and delete n.txt.
run 0 "$pages" > /dev/null
mv script.txt reference.txt
for index in 1 2 3; do
  run "$index" "$pages" > /dev/null
  [ ! -e n.txt ] || { echo "${names[$index]} left n.txt" >&2; exit 1; }
  cmp -s script.txt reference.txt || { echo "${names[$index]} wrote other bytes" >&2; exit 1; }
done

declare -A times
for ((round = 0; round < rounds; round++)); do
  for ((step = 0; step < 4; step++)); do
    index=$(( (round + step) % 4 ))  # each program takes every place in turn
    times[$index]+="$(run "$index" "$pages") "
  done
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

floor_median=$(echo "${times[1]}" | median)
echo "## $pages pages, median of $rounds interleaved runs"
echo
echo "| Program | Median wall time | Ratio to the floor |"
echo "|---|---|---|"
for index in 0 1 2 3; do
  value=$(echo "${times[$index]}" | median)
  awk -v name="${names[$index]}" -v value="$value" -v floor="$floor_median" \
    'BEGIN { printf "| %s | %.2f ms | %.3f |\n", name, value / 1000, value / floor }'
done

echo
echo "## Peak memory of the tool (max RSS)"
echo
echo "| Pages | Max RSS | Script size |"
echo "|---|---|---|"
for count in 1 9999 100000; do
  rm -f script.txt
  echo "$count" > n.txt
  rss=$(/usr/bin/time -f %M "$tool" 2>&1)
  echo "| $count | $rss KB | $(wc -c < script.txt) bytes |"
done

echo
rm -f script.txt
echo "$pages" > n.txt
strace -qq -f -e trace=write -o writes.txt "$tool"
echo "write calls at $pages pages: $(wc -l < writes.txt) (one per line: $((2 * pages)))"

# Instruction counts do not vary from run to run as times do.
if command -v valgrind >/dev/null; then
  echo
  for index in 0 1; do
    rm -f script.txt
    echo "$pages" > n.txt
    instructions=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null ${commands[$index]} 2>&1 |
      sed -n 's/.*Collected : //p')
    echo "instructions (callgrind) of the ${names[$index]} at $pages pages: $instructions"
  done
fi
echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Linux $(uname -r), $(g++ --version | head -1)"
