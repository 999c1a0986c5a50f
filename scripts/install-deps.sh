#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the data tools need.
# Idempotent: packages already present are not fetched again, and `apt-get update`
# runs at most once per machine (scripts/apt-install.sh).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsonic-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libespeak-ng-dev espeak-ng-data
  hunspell-ru hunspell-uk hunspell-tools
  sox locales-all
)

source "$(dirname "$0")/apt-install.sh"
zorna_apt_install "${packages[@]}"
