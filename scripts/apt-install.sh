# Sourced by the install scripts: zorna_apt_install [--update] PACKAGE...
# Installs the packages that are not installed yet. `apt-get update` runs at most
# once per machine (a stamp file remembers it), or again with --update (after a
# new architecture was added).
zorna_apt_install() {
  local force_update=0
  if [ "${1:-}" = "--update" ]; then force_update=1; shift; fi
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  local stamp=/var/tmp/zornatts-apt-updated
  if [ "$force_update" -eq 1 ] || [ ! -f "$stamp" ]; then
    $sudo apt-get update -qq
    $sudo touch "$stamp" 2>/dev/null || true
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
