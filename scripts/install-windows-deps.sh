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

# The package lists must be read again once after the i386 architecture is added.
update=()
i386_stamp=/var/tmp/zornatts-apt-updated-i386
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
[ -f "$i386_stamp" ] || update=(--update)

source "$(dirname "$0")/apt-install.sh"
zorna_apt_install "${update[@]}" "${packages[@]}"
$SUDO touch "$i386_stamp" 2>/dev/null || true
