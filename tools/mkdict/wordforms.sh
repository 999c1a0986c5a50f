#!/usr/bin/env bash
# Writes every word form of a hunspell dictionary, one per line, in code page 1251.
#   wordforms.sh ru|uk OUT.txt [HUNSPELL_DIR]
# unmunch works byte by byte, so the .aff/.dic pair (UTF-8 in Debian) is converted to
# code page 1251 first; Ukrainian also loses its ICONV/OCONV/IGNORE lines (characters the
# code page lacks) and writes the modifier apostrophe U+02BC as "'".
set -euo pipefail
lang=$1 out=$2 dir=${3:-/usr/share/hunspell}
case $lang in
  ru) base=$dir/ru_RU ;;
  uk) base=$dir/uk_UA ;;
  *) echo "wordforms.sh: unknown language $lang" >&2; exit 2 ;;
esac
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
grep -vE '^(ICONV|OCONV|IGNORE)([[:space:]]|$)' "$base.aff" |
  sed -e 's/^SET UTF-8/SET CP1251/' -e "s/ʼ/'/g" -e "s/’/'/g" |
  iconv -c -f UTF-8 -t CP1251 > "$tmp/words.aff"
sed -e "s/ʼ/'/g" -e "s/’/'/g" "$base.dic" | iconv -c -f UTF-8 -t CP1251 > "$tmp/words.dic"
unmunch "$tmp/words.dic" "$tmp/words.aff" 2>/dev/null > "$tmp/forms.txt"
mv "$tmp/forms.txt" "$out"
