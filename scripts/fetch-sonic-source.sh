#!/usr/bin/env bash
# Fetches Sonic's upstream source (the Debian source package's original
# tarball) into the folder given as $1 and prints the folder holding sonic.c.
# The source entries are derived at run time from this machine's own apt
# sources (the same entries with the source type), in a private apt state below
# $1, so the system's apt configuration and lists are left as they were.
# Nothing fetched here is ever committed.
set -euo pipefail

dest=${1:?usage: fetch-sonic-source.sh DEST}
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)

existing=$(find "$dest/src" -maxdepth 2 -name sonic.c -print -quit 2>/dev/null || true)
if [ -n "$existing" ]; then
  dirname "$existing"
  exit 0
fi

apt_dir=$dest/apt
rm -rf "$apt_dir"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/parts" "$apt_dir/prefs"
sources=$apt_dir/sources.list

# One-line entries: "deb [opts] URI suite components" -> "deb-src ...".
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>"$sources"
done
# deb822 entries: each stanza of type deb becomes a one-line deb-src entry.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  awk '
    function flush() {
      if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "") {
        n = split(uris, u, " "); m = split(suites, s, " ")
        opt = (signed != "") ? "[signed-by=" signed "] " : ""
        for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
          print "deb-src " opt u[i] " " s[j] " " comps
      }
      types = uris = suites = comps = signed = enabled = ""
    }
    /^[[:space:]]*#/ { next }
    /^[[:space:]]*$/ { flush(); next }
    {
      key = $1; sub(/:$/, "", key); $1 = ""; sub(/^ +/, "")
      if (key == "Types") types = $0
      else if (key == "URIs") uris = $0
      else if (key == "Suites") suites = $0
      else if (key == "Components") comps = $0
      else if (key == "Signed-By") signed = $0
      else if (key == "Enabled") enabled = $0
    }
    END { flush() }
  ' "$f" >>"$sources"
done
if [ ! -s "$sources" ]; then
  echo "fetch-sonic-source: no apt entries found to derive source entries from" >&2
  exit 1
fi

apt_opts=(
  -o "Dir::Etc::SourceList=$sources"
  -o "Dir::Etc::SourceParts=$apt_dir/parts"
  -o "Dir::Etc::PreferencesParts=$apt_dir/prefs"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir/cache"
  -o "Dir::Cache::archives=$apt_dir/cache/archives"
  -o "APT::Get::List-Cleanup=0"
)
apt-get "${apt_opts[@]}" -qq update >&2
# The Debian patch tarball may be missing from the archive; only the upstream
# tarball is needed, so a partial download is judged by what arrived.
(cd "$dest" && apt-get "${apt_opts[@]}" -qq --download-only source sonic >&2) || true
orig=$(find "$dest" -maxdepth 1 -name 'sonic_*.orig.tar.*' -print -quit)
if [ -z "$orig" ]; then
  echo "fetch-sonic-source: Sonic's upstream tarball could not be fetched" >&2
  exit 1
fi
rm -rf "$dest/src"
mkdir -p "$dest/src"
tar -xf "$orig" -C "$dest/src"
found=$(find "$dest/src" -maxdepth 2 -name sonic.c -print -quit)
if [ -z "$found" ]; then
  echo "fetch-sonic-source: no sonic.c in $orig" >&2
  exit 1
fi
dirname "$found"
