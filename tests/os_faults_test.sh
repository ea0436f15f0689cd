#!/usr/bin/env bash
# Runs the built tool against faults that the operating system itself makes.
# Usage: os_faults_test.sh CASE TOOL SCRATCH_DIR, where CASE is one of
#   disk_full             script.txt is a symbolic link to /dev/full
#   file_size_limit       a 1000-byte file-size limit, SIGXFSZ ignored, 9999 pages
#   unwritable_directory  run as nobody in a directory nobody may write to
# Each run must end with status 0 and print nothing. Exit status 77 means
# the case cannot run here (it needs root).
set -euo pipefail

case_name=$1
tool=$2
scratch=$3

fail() {
  echo "FAILED ($case_name): $*" >&2
  exit 1
}

# run_tool COMMAND...: runs the command in the current directory, which must
# end with status 0 and print nothing.
run_tool() {
  local status=0
  "$@" > stdout.txt 2> stderr.txt || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ ! -s stdout.txt ] && [ ! -s stderr.txt ] || fail "printed: $(cat stdout.txt stderr.txt)"
  rm -f stdout.txt stderr.txt
}

expected_script() {
  awk -v pages="$1" 'BEGIN {
    for (page = 1; page <= pages; page++) printf "select %d\r\nsave-page-with  output/%04d.djvu\r\n", page, page
  }'
}

rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

case $case_name in
  disk_full)
    ln -s /dev/full script.txt
    echo 5 > n.txt
    run_tool "$tool"
    [ ! -e n.txt ] || fail "n.txt was not deleted"
    [ "$(readlink script.txt)" = /dev/full ] || fail "script.txt is no longer the link to /dev/full"
    ;;
  file_size_limit)
    echo 9999 > n.txt
    # An ignored signal stays ignored across exec, so the limit makes writes
    # fail with EFBIG instead of killing the tool.
    run_tool bash -c 'trap "" XFSZ; exec prlimit --fsize=1000 -- "$0"' "$tool"
    [ ! -e n.txt ] || fail "n.txt was not deleted"
    [ "$(wc -c < script.txt)" -eq 1000 ] || fail "script.txt has $(wc -c < script.txt) bytes, not 1000"
    cmp -s -n 1000 <(expected_script 9999) script.txt || fail "script.txt is not the script's first 1000 bytes"
    ;;
  unwritable_directory)
    [ "$(id -u)" -eq 0 ] || { echo "needs root to run the tool as nobody" >&2; exit 77; }
    # Under /tmp, so that nobody can reach it whatever the build tree's parents allow.
    directory=$(mktemp -d)
    trap 'rm -rf "$directory"' EXIT
    cp "$tool" "$directory/tool"
    mkdir "$directory/work"
    echo 5 > "$directory/work/n.txt"
    chmod 755 "$directory" "$directory/work"
    cd "$directory/work"
    run_tool setpriv --reuid=nobody --regid=nogroup --clear-groups ../tool
    [ "$(cat n.txt)" = 5 ] || fail "n.txt changed or went away"
    [ ! -e script.txt ] || fail "script.txt was made"
    ;;
  *)
    fail "no such case"
    ;;
esac
