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
    # A server an interrupted run left behind would make the one started here fail: it goes
    # first, and with it whatever it was running for that run.
    wineserver -k || true
    wineserver -w
    wineserver -p
    if [ ! -f "$WINEPREFIX/.pwk-ready" ]; then
        wineboot --init
        # The null display driver: boxes block as on Windows instead of answering -1 at once,
        # and the test host finds and answers them.
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
        # A crash ends the test instead of waiting on a dialog nobody sees.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        # The desktop process wineboot started still has the driver it found first: restart
        # the server so that every process from here on takes the null driver.
        wineserver -k
        wineserver -w
        wineserver -p
        touch "$WINEPREFIX/.pwk-ready"
    fi
    # The scenario's machine has every drive letter (the core's platform maps each one to a
    # folder of its own): so does the prefix, D: to Y: each a folder beside drive_c.
    for letter in d e f g h i j k l m n o p q r s t u v w x y; do
        mkdir -p "$WINEPREFIX/drive_$letter"
        ln -sfn "../drive_$letter" "$WINEPREFIX/dosdevices/$letter:"
    done
    # Starts the prefix's services here, where their output goes to the log; started by the
    # first test instead, they would hold ctest's pipe open.
    wineboot
    # Wine links the user's Documents, Desktop and the like to the home folder, which every
    # build folder and worktree on the machine shares: the add-in's log would go there. Each
    # prefix keeps its own folders instead (made again after the update above, which relinks them).
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then
            rm "$link"
            mkdir "$link"
        fi
    done
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
