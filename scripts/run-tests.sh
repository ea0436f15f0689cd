#!/usr/bin/env bash
# Builds the tool and runs every test: once in an optimised build, once
# under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh

ensure_packages cmake make g++ libgtest-dev

cmake --workflow --preset default
cmake --workflow --preset sanitize
