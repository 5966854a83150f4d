#!/bin/sh
# Runs one Windows program of the tests under Wine, as `wine PROGRAM ARGS...` would, with its
# output and exit status. Now and then Wine's start fails here before the program runs: the
# test fails in about 10 ms with a failing status and not a byte of output, where the quickest
# program takes 40 ms (once in a few hundred starts, not reproduced on its own). A start that
# fails within START_MS is made once more; a line that says so goes to standard error, behind
# "wine: " as Wine's own messages (the transcript comparison leaves those out), and to the
# prefix's log. A program that fails again is not run a third time, and one that ran longer is
# never run twice.
wine=${PWK_WINE_PROGRAM:-wine}
start_ms=100
began=$(date +%s%N)
"$wine" "$@"
status=$?
elapsed=$((($(date +%s%N) - began) / 1000000))
if [ "$status" -ne 0 ] && [ "$elapsed" -lt "$start_ms" ]; then
    note="wine: $1 ended with status $status after $elapsed ms, before it could have run: started once more"
    echo "$note" >&2
    [ -n "${WINEPREFIX:-}" ] && echo "$(date -u +%FT%TZ) $note" >> "$WINEPREFIX.log"
    "$wine" "$@"
    status=$?
fi
exit $status
