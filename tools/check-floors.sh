#!/usr/bin/env bash
# Refuses an include in src/ that points up: the core's folders stand in floors and a file may
# include only its own folder, the floors below it and the C++ standard library. Refuses too a
# host reference held unchecked.
# Usage: tools/check-floors.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A floor=(
    [util]=0
    [platform]=1 [resources]=1
    [host]=2 [errorlib]=2
    [component]=3
    [errors]=4
    [tracking]=5
    [journal]=6 [options]=6
    [hooks]=7
    [app]=8
    [startup]=9
)

bad=0
while IFS= read -r file; do
    from=${file#src/}
    from=${from%%/*}
    if [ -z "${floor[$from]+x}" ]; then
        echo "$file: the folder src/$from/ has no floor; give it one in $0"
        bad=1
        continue
    fi
    while IFS=: read -r line target; do
        case $target in
            src/*) ;;
            *) echo "$file:$line: the core includes only src/ and the standard library: $target"
               bad=1; continue ;;
        esac
        to=${target#src/}
        to=${to%%/*}
        if [ "$to" != "$from" ] && { [ -z "${floor[$to]+x}" ] || [ "${floor[$to]}" -ge "${floor[$from]}" ]; }; then
            echo "$file:$line: src/$from/ (floor ${floor[$from]}) includes $target (floor ${floor[$to]:-?})"
            bad=1
        fi
    done < <(grep -n '^#include "' "$file" | sed -E 's/^([0-9]+):#include "([^"]+)".*/\1:\2/')
done < <(git ls-files 'src/*.h' 'src/*.cpp' 2>/dev/null || find src -name '*.h' -o -name '*.cpp')

# A host getter may hand back nothing; the core holds host objects only through the checked
# reference, whose -> raises 91 instead of dereferencing null.
if raw=$(grep -rn 'shared_ptr<host::\|shared_ptr<pwk::host::' src); then
    echo "$raw"
    echo "host references in src/ are Ref<host::...> (src/util/Ref.h), never plain shared_ptr"
    bad=1
fi

if [ "$bad" -ne 0 ]; then
    echo "include arrows must point down the floors (see tools/check-floors.sh)"
    exit 1
fi
echo "floors: every include under src/ points down"
