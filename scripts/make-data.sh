#!/usr/bin/env bash
# Builds the language data: the stress dictionaries and the default voice "tavn2".
#   scripts/make-data.sh [OUT-FOLDER]      (default: build/share/zornatts)
# Writes OUT-FOLDER/data/tavn2/{slovar.rus, slovar.ukr, alfa.wav, alfa.tx}. The data tools
# are built in $ZORNA_BUILD_DIR (default: build/). A second run does nothing while the
# tools' sources and inputs are unchanged (stamps hold a hash of them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/share/zornatts}
build=${ZORNA_BUILD_DIR:-$root/build}
voice=$out/data/tavn2
mkdir -p "$voice"
voice=$(cd "$voice" && pwd)

hash_of() {  # hash of files and folders (contents and names), plus extra words
  local paths=() words=()
  for a in "$@"; do if [ -e "$a" ]; then paths+=("$a"); else words+=("$a"); fi; done
  { find "${paths[@]}" -type f -print0 | sort -z | xargs -0 sha256sum; echo "${words[@]}"; } |
    sha256sum | cut -d' ' -f1
}
espeak_version=$(dpkg-query -W -f='${Version}' libespeak-ng1 2>/dev/null || echo unknown)
hunspell_version=$(dpkg-query -W -f='${Version} ' hunspell-ru hunspell-uk hunspell-tools 2>/dev/null || echo unknown)
dict_hash=$(hash_of "$root/tools/mkdict" "$root/scripts/make-data.sh" \
  /usr/share/hunspell/ru_RU.aff /usr/share/hunspell/ru_RU.dic \
  /usr/share/hunspell/uk_UA.aff /usr/share/hunspell/uk_UA.dic "$espeak_version" "$hunspell_version")
voice_hash=$(hash_of "$root/tools/donor" "$root/tools/voicepack" "$root/tools/coverage" \
  "$root/unitnaming" "$root/frontend" "$root/include" "$dict_hash")

up_to_date() {  # stamp-file hash files...
  local stamp=$1 hash=$2; shift 2
  [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$hash" ] || return 1
  for f in "$@"; do [ -s "$f" ] || return 1; done
}
dict_ok=0 voice_ok=0
up_to_date "$voice/.stamp-dictionaries" "$dict_hash" "$voice/slovar.rus" "$voice/slovar.ukr" && dict_ok=1
[ $dict_ok = 1 ] && up_to_date "$voice/.stamp-voice" "$voice_hash" "$voice/alfa.wav" "$voice/alfa.tx" && voice_ok=1
if [ $dict_ok = 1 ] && [ $voice_ok = 1 ]; then
  echo "make-data: $voice is up to date"
  exit 0
fi

started=$(date +%s)
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target zorna-mkdict zorna-donor zorna-unitlist -j"$(nproc)" >/dev/null
bin=$build/bin

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ $dict_ok = 0 ]; then
  rm -f "$voice/.stamp-dictionaries" "$voice/.stamp-voice"
  "$root/tools/mkdict/wordforms.sh" ru "$work/forms-ru.txt"
  "$root/tools/mkdict/wordforms.sh" uk "$work/forms-uk.txt"
  "$bin/zorna-mkdict" --lang ru --out "$voice/slovar.rus" \
    --corrections "$root/tools/mkdict/corrections-ru.txt" "$work/forms-ru.txt" &
  ru_pid=$!
  "$bin/zorna-mkdict" --lang uk --out "$voice/slovar.ukr" \
    --corrections "$root/tools/mkdict/corrections-uk.txt" "$work/forms-uk.txt" &
  uk_pid=$!
  wait $ru_pid
  wait $uk_pid
  echo "$dict_hash" > "$voice/.stamp-dictionaries"
fi

rm -f "$voice/.stamp-voice"
"$bin/zorna-unitlist" --data "$voice" --top 3000 --step 4 --out "$work/units.txt" \
  --frequent-ru "$root/tools/coverage/frequent-ru.txt" --frequent-uk "$root/tools/coverage/frequent-uk.txt"
"$bin/zorna-donor" --units "$work/units.txt" --out "$voice"
echo "$voice_hash" > "$voice/.stamp-voice"
echo "make-data: $voice written in $(( $(date +%s) - started )) s"
