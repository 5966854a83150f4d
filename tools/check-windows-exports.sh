#!/usr/bin/env bash
# Refuses a DLL whose exports carry stdcall decorations ("DllCanUnloadNow@0"), which regsvr32
# and COM look up by the plain name. (What a shipped file imports is checked by
# check-windows-floor.py.)
# Usage: tools/check-windows-exports.sh OBJDUMP FILE...
set -euo pipefail
objdump=$1
shift
status=0
for file in "$@"; do
    # The export name table lists "[ordinal] name" lines after its heading.
    exports=$("$objdump" -p "$file" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed -n 's/^\s*\[\s*[0-9]*\] //p')
    if [ -z "$exports" ]; then
        echo "$file: exports nothing" >&2
        status=1
    fi
    for name in $exports; do
        if [[ $name == *@* || $name == _* ]]; then
            echo "$file exports the decorated name $name" >&2
            status=1
        fi
    done
    [ $status -eq 0 ] && echo "$file: exports $(tr '\n' ' ' <<<"$exports")"
done
exit $status
