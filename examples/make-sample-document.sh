#!/usr/bin/env bash
# Writes a sample multi-page DjVu document, OUT.djvu, of PAGES pages (12 if
# not given). Page k is a framed bitmap with k black bars, so no two pages
# look alike. Needs cjb2 and djvm from DjVuLibre (Debian: djvulibre-bin).
# Usage: make-sample-document.sh OUT.djvu [PAGES]
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $(basename "$0") OUT.djvu [PAGES]" >&2
  exit 2
fi
out=$1
pages=${2:-12}
if ! [[ $pages =~ ^[1-9][0-9]*$ ]] || [ "$pages" -gt 40 ]; then
  echo "$(basename "$0"): PAGES must be a number from 1 to 40, not '$pages'" >&2
  exit 2
fi
for program in cjb2 djvm; do
  if ! command -v "$program" >/dev/null; then
    echo "$(basename "$0"): $program not found; install DjVuLibre (Debian: apt-get install djvulibre-bin)" >&2
    exit 2
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

page_files=()
for ((page = 1; page <= pages; page++)); do
  # A plain PBM: a 2-pixel frame, and bars 6 pixels wide every 12 pixels.
  awk -v width=500 -v height=120 -v bars="$page" 'BEGIN {
    print "P1"; print width, height
    for (y = 0; y < height; y++) {
      row = ""
      for (x = 0; x < width; x++) {
        frame = x < 2 || y < 2 || x >= width - 2 || y >= height - 2
        bar = y >= 20 && y < 100 && x >= 10 && (x - 10) % 12 < 6 && int((x - 10) / 12) < bars
        row = row ((frame || bar) ? "1" : "0")
      }
      print row
    }
  }' > "$scratch/page-$page.pbm"
  cjb2 -dpi 100 "$scratch/page-$page.pbm" "$scratch/page-$page.djvu"
  page_files+=("$scratch/page-$page.djvu")
done
djvm -c "$out" "${page_files[@]}"
