#!/usr/bin/env bash
# Builds the tool and runs every test: on Linux once in an optimised build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer; a minute of
# fuzzing; then for Windows, cross-compiled with MinGW-w64 and run under Wine.
# Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh

ensure_i386_architecture
ensure_packages cmake make g++ libgtest-dev googletest djvulibre-bin groff-base \
  clang libclang-rt-14-dev g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64

cmake --workflow --preset default
cmake --workflow --preset sanitize
# The page-count reader under libFuzzer for 60 seconds.
cmake --workflow --preset fuzz

# The 32-bit build is the one that ships. Where the kernel cannot start 32-bit
# Linux programs, and so no 32-bit Wine, this only checks the .exe's format;
# the 64-bit build then runs the whole Windows suite under 64-bit Wine.
cmake --workflow --preset windows
cmake --workflow --preset windows64
