# Sourced by the Windows build and test scripts: the Wine settings that every
# step shares (a prefix of the project's own below build-win/, quiet output).
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${ZORNA_WINEPREFIX:-$root/build-win/wineprefix}
export WINEDEBUG=-all
# No Mono or Gecko installer prompts; no X11 driver: without a display it made
# the first programs of a fresh Wine session stall now and then (minutes), while
# the null display driver starts in about a second.
export WINEDLLOVERRIDES="mscoree,mshtml=;winex11.drv="
# Prepares the prefix once (the first start of Wine in a new prefix takes seconds).
zorna_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 300 wineboot -i >/dev/null 2>&1
    timeout 60 wineserver -w
  fi
}
# Starts a Wine session that stays up between programs (ended by wineserver -k).
zorna_wine_session() {
  zorna_wine_prefix
  wineserver -p
  timeout 120 wineboot >/dev/null 2>&1
}
