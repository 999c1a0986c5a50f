#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the data tools need.
# Idempotent: packages already present are not fetched again, and `apt-get update`
# runs at most once per machine (a stamp file remembers it).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsonic-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libespeak-ng-dev espeak-ng-data
  hunspell-ru hunspell-uk hunspell-tools
  sox locales-all
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
stamp=/var/tmp/zornatts-apt-updated
if [ ! -f "$stamp" ]; then
  $SUDO apt-get update -qq
  $SUDO touch "$stamp" 2>/dev/null || true
fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
