#!/usr/bin/env bash
# The tool's main job, end to end: builds it, makes a twelve-page sample
# DjVu document, splits it with djvused through examples/split-document.sh,
# and lists the files that the split produced.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh

ensure_packages cmake make g++ djvulibre-bin

cmake --workflow --preset release >/dev/null
export DJVU_SPLIT_SCRIPT=$PWD/build/release/djvu-split-script

demo=$PWD/build/demo
rm -rf "$demo"
mkdir -p "$demo"
bash examples/make-sample-document.sh "$demo/sample.djvu" 12
echo "Made $demo/sample.djvu: $(djvused -e n "$demo/sample.djvu") pages, $(wc -c < "$demo/sample.djvu") bytes."

bash examples/split-document.sh "$demo/sample.djvu" "$demo/sample-pages"

echo "The script the tool wrote, first four of $(wc -l < "$demo/sample-pages/script.txt") lines:"
head -n 4 "$demo/sample-pages/script.txt" | sed 's/\r$/   (CR LF)/'
echo "The files the split produced:"
cd "$demo/sample-pages/output"
for page in *.djvu; do
  echo "  output/$page  $(wc -c < "$page") bytes, $(djvused -e n "$page") page"
done
