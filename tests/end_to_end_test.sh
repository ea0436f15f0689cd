#!/usr/bin/env bash
# Splits a generated twelve-page document with the real djvused, through
# examples/split-document.sh, and checks that output/ then holds exactly
# 0001.djvu ... 0012.djvu, each a one-page document that renders (ddjvu)
# byte for byte like the same page of the source.
# Usage: end_to_end_test.sh TOOL SOURCE_DIR SCRATCH_DIR
set -euo pipefail

tool=$1
examples=$2/examples
scratch=$3
pages=12

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

bash "$examples/make-sample-document.sh" document.djvu "$pages"
[ "$(djvused -e n document.djvu)" = "$pages" ] || fail "the sample document does not have $pages pages"

DJVU_SPLIT_SCRIPT=$tool bash "$examples/split-document.sh" document.djvu split

expected_names=$(for ((page = 1; page <= pages; page++)); do printf '%04d.djvu\n' "$page"; done)
[ "$(ls split/output)" = "$expected_names" ] || fail "output/ holds: $(ls split/output | tr '\n' ' ')"

for ((page = 1; page <= pages; page++)); do
  saved=$(printf 'split/output/%04d.djvu' "$page")
  [ "$(djvused -e n "$saved")" = 1 ] || fail "$saved is not a one-page document"
  ddjvu -format=pbm -page="$page" document.djvu "source-$page.pbm"
  ddjvu -format=pbm "$saved" "saved-$page.pbm"
  cmp -s "source-$page.pbm" "saved-$page.pbm" || fail "$saved does not render like page $page of the source"
  if [ "$page" -gt 1 ]; then
    # Pages that look alike could hide a page saved under the wrong number.
    ! cmp -s "source-$page.pbm" "source-$((page - 1)).pbm" || fail "pages $((page - 1)) and $page look alike"
  fi
done
echo "$pages pages split, each rendering as in the source"
