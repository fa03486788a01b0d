#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own.
# Layers, lowest first: base, widgets, then map / route / accounts, then
# editor / settings / find, then app. Route stands on map; within a layer nothing
# else includes sideways. The platform folders base/posix and base/windows
# belong to base; a file in them is included from its own folder only, so
# the rest of the program sees just base/'s interfaces.
set -euo pipefail
cd "$(dirname "$0")/.."

allowed() {  # the folders a folder may include from, itself included
  case "$1" in
    base)     echo "base" ;;
    widgets)  echo "widgets base" ;;
    map)      echo "map base" ;;
    route)    echo "route map base" ;;
    accounts) echo "accounts widgets base" ;;
    editor)   echo "editor map route widgets base" ;;
    settings) echo "settings map route widgets base" ;;
    find)     echo "find map widgets base" ;;
    app)      echo "app editor settings find map route accounts widgets base" ;;
    *)        echo "" ;;
  esac
}

status=0
for file in $(find src -name '*.h' -o -name '*.cpp'); do
  folder=$(echo "$file" | cut -d/ -f2)
  ok=" $(allowed "$folder") "
  while IFS= read -r included; do
    target=${included%%/*}
    if [[ "$ok" != *" $target "* ]]; then
      echo "$file includes $included: $folder may not include from $target"
      status=1
    fi
    platform=$(echo "$included" | sed -n 's,^\(base/\(posix\|windows\)\)/.*,\1,p')
    if [[ -n "$platform" && "$file" != "src/$platform/"* ]]; then
      echo "$file includes $included: only $platform/ includes its own files"
      status=1
    fi
  done < <(sed -n 's/^#include "\([a-z]*\/[^"]*\)".*/\1/p' "$file")
done
[ $status -eq 0 ] && echo "layers: no upward include"
exit $status
