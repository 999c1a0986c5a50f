# Sourced by the Windows build and test scripts: the Wine settings that every
# step shares (a prefix of the project's own below build-win/, quiet output).
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${ZORNA_WINEPREFIX:-$root/build-win/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer prompts
# Prepares the prefix once (the first start of Wine in a new prefix takes seconds).
zorna_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}
