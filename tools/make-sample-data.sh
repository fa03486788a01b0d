#!/usr/bin/env bash
# Writes the bundled sample data, cross.txt (spots), route.txt (roads) and
# users.txt (demo accounts), into Data/ or the folder given, from the UTF-8
# sources in tools/sample-data/. The install takes its sample data from here,
# never from Data/, which a run from the checkout or a hand edit may change.
# The program reads and writes these files as GBK text with CR LF line ends, so
# each source line is converted to GBK and ended with CR LF; the map files end
# their last row so too. The users file ends without a line break, as a
# registration leaves it (it writes CR LF before its record), so the first
# registration adds no empty record.
# The sources are checked first (tools/check-sample-data.sh); nothing is written
# when the check fails. The output is deterministic.
# Usage: tools/make-sample-data.sh [output-folder]   (from any directory)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
src="$root/tools/sample-data"
out=${1:-"$root/Data"}

"$root/tools/check-sample-data.sh" "$src"
mkdir -p "$out"

for name in cross.txt route.txt users.txt; do
    tmp="$out/$name.tmp"
    # iconv fails on any character that GBK cannot hold, so no text is lost silently.
    trim=(cat)
    [[ $name == users.txt ]] && trim=(head -c -2)
    if ! sed 's/$/\r/' "$src/$name" | iconv -f UTF-8 -t GBK | "${trim[@]}" >"$tmp"; then
        rm -f "$tmp"
        echo "make-sample-data: $src/$name holds text that GBK cannot encode" >&2
        exit 1
    fi
    mv "$tmp" "$out/$name"
done
echo "make-sample-data: wrote cross.txt route.txt users.txt into $out"
