#!/usr/bin/env bash
# Installs what the Windows cross build and its tests need: the mingw-w64
# compilers (posix thread model), Wine for 64-bit and 32-bit programs (adds the
# i386 architecture once), and dpkg-dev for fetching Sonic's source.
# Idempotent: nothing is fetched when everything is already present.
set -euo pipefail

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

packages=(
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386
  dpkg-dev
)

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

stamp=/var/tmp/zornatts-apt-updated-i386
if [ "$need_update" -eq 1 ] || [ ! -f "$stamp" ]; then
  $SUDO apt-get update -qq
  $SUDO touch "$stamp" 2>/dev/null || true
fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
