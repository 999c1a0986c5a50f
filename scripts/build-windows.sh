#!/usr/bin/env bash
# Cross-builds the Windows libraries (zornatts.dll, zornatts_a.dll, sonic.dll)
# and the engine and unit-naming test programs for 64-bit (build-win64/) and
# 32-bit (build-win32/) Windows with mingw-w64. Sonic's source is fetched into
# build-win/ (never committed). Usage: build-windows.sh [64] [32]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/windows-env.sh"

arches=("$@")
[ ${#arches[@]} -eq 0 ] && arches=(64 32)

"$root/scripts/install-deps.sh"
"$root/scripts/install-windows-deps.sh"
sonic_dir=$("$root/scripts/fetch-sonic-source.sh" "$root/build-win/sonic")
# Test discovery runs the test programs under Wine while building.
zorna_wine_prefix

for arch in "${arches[@]}"; do
  build=$root/build-win$arch
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw$arch.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORNA_SONIC_SOURCE_DIR="$sonic_dir" \
    -DZORNA_BUILD_TOOLS=OFF -DZORNA_BUILD_BENCH=OFF -DZORNA_BUILD_FUZZ=OFF \
    "-DZORNA_TEST_AREAS=engine;unitnaming" >/dev/null
  cmake --build "$build" -j"$(nproc)"
done
