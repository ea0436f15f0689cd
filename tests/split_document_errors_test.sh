#!/usr/bin/env bash
# examples/split-document.sh refuses, with a message and a non-zero status,
# when the document, djvused or the tool is missing, when DIR holds files
# already, and when djvused cannot read the document. It then leaves the
# caller's files alone.
# Usage: split_document_errors_test.sh TOOL SOURCE_DIR SCRATCH_DIR
set -euo pipefail

tool=$1
split=$2/examples/split-document.sh
scratch=$3
failures=0

# expect STATUS MESSAGE_PART COMMAND...: the command must end with STATUS and
# say MESSAGE_PART on stderr.
expect() {
  local status=$1 message=$2 actual=0
  shift 2
  "$@" > stdout.txt 2> stderr.txt || actual=$?
  if [ "$actual" != "$status" ] || ! grep -qF -- "$message" stderr.txt; then
    echo "FAILED: '$*' should end with $status and say '$message';" \
      "it ended with $actual and said: $(cat stderr.txt)" >&2
    failures=$((failures + 1))
  fi
}

rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
bash "$2/examples/make-sample-document.sh" document.djvu 2
printf 'not a DjVu file' > broken.djvu
mkdir holds-a-file && echo mine > holds-a-file/n.txt
mkdir bin && ln -s "$(command -v dirname)" "$(command -v basename)" "$(command -v ls)" bin/

export DJVU_SPLIT_SCRIPT=$tool
expect 2 "usage:" bash "$split"
expect 2 "no such document: missing.djvu" bash "$split" missing.djvu
expect 2 "already exists and is not an empty directory" bash "$split" document.djvu holds-a-file
expect 2 "djvused not found" env PATH="$PWD/bin" "$BASH" "$split" document.djvu no-djvused
expect 2 "not found; put it on PATH" env DJVU_SPLIT_SCRIPT=no-such-tool bash "$split" document.djvu no-tool
expect 1 "djvused could not count the pages" bash "$split" broken.djvu

[ "$(cat holds-a-file/n.txt)" = mine ] || { echo "FAILED: holds-a-file/n.txt was changed" >&2; failures=$((failures + 1)); }
[ ! -e no-djvused ] && [ ! -e no-tool ] || { echo "FAILED: a refused run made its directory" >&2; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
