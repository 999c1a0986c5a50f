#!/usr/bin/env bash
# The main job: speak a text with the default voice.
# Builds what is needed and makes the language data on first use, then runs
# zornatts-say with the given arguments (see docs/zornatts-say.md).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >&2
if [ -x "$root/scripts/make-data.sh" ]; then
  "$root/scripts/make-data.sh" "$root/build/share/zornatts" >&2
fi
exec "$root/build/bin/zornatts-say" "$@"
