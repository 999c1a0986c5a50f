#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
# The end-to-end tests speak with the default voice: make it when missing.
"$root/scripts/make-data.sh" "$root/build/share/zornatts"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" "$@"
