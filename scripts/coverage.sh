#!/usr/bin/env bash
# Runs the Linux unit tests in a gcov build and prints gcovr's line and
# branch coverage of src/, file by file. The tests that run the built tool
# are left out: its counts and the test binary's, from the same objects
# linked differently, do not merge, and main.cc is a single line.
# (disk_interface-win32.cc is not built on Linux; the Windows suite covers it.)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh

ensure_packages cmake make g++ libgtest-dev googletest gcovr

rm -rf build/coverage
cmake --workflow --preset coverage >/dev/null
options=(--root . --filter 'src/' --exclude-throw-branches --exclude-unreachable-branches build/coverage)
echo "Lines:"
gcovr "${options[@]}"
echo "Branches:"
gcovr "${options[@]}" --branches
