#!/usr/bin/env bash
# Builds the Windows libraries and runs their tests under Wine, 64-bit then
# 32-bit, then stops the Wine server. Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/windows-env.sh"

"$root/scripts/build-windows.sh" 64 32
status=0
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
zorna_wine_session
for arch in 64 32; do
  echo "== Windows $arch-bit, under Wine"
  ctest --test-dir "$root/build-win$arch" --output-on-failure --timeout 300 -j"$(nproc)" "$@" || status=1
done
wineserver -k >/dev/null 2>&1 || true
exit $status
