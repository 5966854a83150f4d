#!/bin/sh
# The Wine prefix the Windows tests of one build folder share.
#   prefix.sh setup PREFIX   makes the prefix (first time only) and starts a persistent wineserver
#   prefix.sh cleanup PREFIX stops that wineserver
# Everything Wine prints goes to PREFIX.log: a wineserver that inherits ctest's output pipe
# keeps the run from ever ending.
set -eu
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all
# No Mono or Gecko: the tests need neither, and installing them costs minutes.
export WINEDLLOVERRIDES="mscoree,mshtml="
log=$WINEPREFIX.log

case "$action" in
setup)
    exec >"$log" 2>&1 </dev/null
    mkdir -p "$WINEPREFIX"
    wineserver -p
    if [ ! -f "$WINEPREFIX/.pwk-ready" ]; then
        wineboot --init
        # The null display driver: boxes block as on Windows instead of answering -1 at once,
        # and the test host finds and answers them.
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
        # A crash ends the test instead of waiting on a dialog nobody sees.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        touch "$WINEPREFIX/.pwk-ready"
    fi
    # Starts the prefix's services here, where their output goes to the log; started by the
    # first test instead, they would hold ctest's pipe open.
    wineboot
    ;;
cleanup)
    exec >>"$log" 2>&1 </dev/null
    wineserver -k || true
    ;;
*)
    echo "usage: prefix.sh setup|cleanup PREFIX" >&2
    exit 2
    ;;
esac
