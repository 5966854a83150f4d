#!/usr/bin/env bash
# Refuses a Windows binary that imports anything but the system's own DLLs (the C++ runtime and
# winpthread must be linked in, or the mail client would need them installed beside it), and,
# with --undecorated, a DLL whose exports carry stdcall decorations ("DllCanUnloadNow@0"), which
# regsvr32 and COM look up by the plain name.
# Usage: tools/check-windows-binary.sh OBJDUMP [--undecorated] FILE...
set -euo pipefail
objdump=$1
shift
undecorated=0
if [ "${1:-}" = --undecorated ]; then
    undecorated=1
    shift
fi

system='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|comdlg32|comctl32|msvcrt|ntdll|rpcrt4|shlwapi|version|ws2_32|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for file in "$@"; do
    dump=$("$objdump" -p "$file")
    imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z')
    if [ -z "$imports" ]; then
        echo "$file: no import table found" >&2
        status=1
    fi
    for dll in $imports; do
        if ! grep -Eq "$system" <<<"$dll"; then
            echo "$file imports $dll, which is not a system DLL" >&2
            status=1
        fi
    done
    if ((undecorated)); then
        # The export name table lists "[ordinal] name" lines after its heading.
        exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[\s*[0-9]*\] //p')
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
    fi
    [ $status -eq 0 ] && echo "$file: imports $(tr '\n' ' ' <<<"$imports")"
done
exit $status
