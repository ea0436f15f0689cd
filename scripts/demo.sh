#!/usr/bin/env bash
# Builds the tool and runs it on the bundled sample page count,
# examples/n.txt, in a scratch directory; then shows what it left there.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh

ensure_packages cmake make g++

cmake --workflow --preset release >/dev/null
tool="$PWD/build/release/djvu-split-script"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp examples/n.txt "$scratch/"
cd "$scratch"

echo "n.txt holds: $(cat n.txt)"
status=0
"$tool" || status=$?
echo "exit status $status; the directory now holds: $(ls)"
echo "script.txt has $(wc -l < script.txt) lines, $(wc -c < script.txt) bytes; the first six:"
head -n 6 script.txt | sed 's/\r$/   (CR LF)/'
