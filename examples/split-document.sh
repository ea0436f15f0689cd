#!/usr/bin/env bash
# Splits a multi-page DjVu document into one document per page with djvused
# and djvu-split-script: DIR/output/0001.djvu, DIR/output/0002.djvu, ...
# DIR (by default NAME-pages for NAME.djvu, beside the document) must be new
# or empty: the split runs in it, so it never touches an n.txt or script.txt
# of yours, and output/ ends up holding the pages and nothing else.
# The tool is taken from $DJVU_SPLIT_SCRIPT if set, else from PATH.
# Usage: split-document.sh DOC.djvu [DIR]
# Exit status: 0 when every page was saved, 1 when djvused failed, 2 when
# something needed is missing.
set -euo pipefail

name=$(basename "$0")
fail() {
  echo "$name: $2" >&2
  exit "$1"
}

[ $# -ge 1 ] && [ $# -le 2 ] || fail 2 "usage: $name DOC.djvu [DIR]"
document=$1
[ -f "$document" ] || fail 2 "no such document: $document"
[ -r "$document" ] || fail 2 "cannot read $document"
document=$(cd "$(dirname "$document")" && pwd)/$(basename "$document")
work_dir=${2:-${document%.djvu}-pages}

command -v djvused >/dev/null ||
  fail 2 "djvused not found; install DjVuLibre (Debian: apt-get install djvulibre-bin)"
tool=${DJVU_SPLIT_SCRIPT:-djvu-split-script}
command -v "$tool" >/dev/null || fail 2 "$tool not found; put it on PATH or name it in DJVU_SPLIT_SCRIPT"
tool=$(command -v "$tool")

if [ -e "$work_dir" ] && { [ ! -d "$work_dir" ] || [ -n "$(ls -A "$work_dir")" ]; }; then
  fail 2 "$work_dir already exists and is not an empty directory"
fi
mkdir -p "$work_dir/output"
cd "$work_dir"

djvused -e n "$document" > n.txt || fail 1 "djvused could not count the pages of $document"
pages=$(tr -d '\r\n' < n.txt)
"$tool"
djvused "$document" -f script.txt || fail 1 "djvused could not save the pages of $document"

saved=$(find output -maxdepth 1 -name '*.djvu' | wc -l)
[ "$saved" -eq "$pages" ] || fail 1 "$document has $pages pages, but djvused saved $saved"
echo "$document: saved $pages pages in $(pwd)/output"
