#!/usr/bin/env bash
# Refuses an include that points up or sideways: every folder of the tree stands on a floor and
# a file may include only its own folder, the floors below it and system headers. Inside a
# folder, includes between units (X.h with X.cpp) may not close a loop. Windows headers stay in
# the Windows shell, its harness and its tests. In the core, a host reference may not be held
# unchecked.
# Usage: tools/check-floors.sh [SOURCE_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=${1:-$here/..}

# Windows headers belong to the Windows shell, its harness and its tests; the error log opens
# its file and the sweep's watchdog times a run with one branch per system.
windows=(win/ winharness/ tests/win/ keelson/AppendOnlyFile.cpp tools/scenario/RunWatchdog.cpp)

bad=0
# FLOOR FOLDER...: a folder includes only itself and lower floors; "dir/*" gives each subfolder
# of dir that floor as a folder of its own. A new folder needs a line here.
python3 "$here/check-floors.py" "$root" /dev/stdin --windows "${windows[@]}" <<'TABLE' || bad=1
# The core: standard library only.
0  src/util
1  src/platform src/resources
2  src/host src/errorlib
3  src/component
4  src/errors
5  src/tracking
6  src/journal src/options
7  src/hooks
8  src/app
9  src/startup
# What the platforms and shells share: date formats and host paths, the settings stores, the
# error library.
10 platform-support store keelson
# The platforms and the simulated host.
11 posix sim
# The Windows shell, PWKCommon.dll (the C runtime's stand-ins and the resources include nothing
# of ours); the options page stands on the component's own objects.
12 win/combase win/runtime
13 win/dispatch win/automation
14 win/platform win/published
15 win/optionspage
16 win/com win/resources
# The tools: the settings tool's commands, then its registry store on Windows and the scenario
# runner, then the programs.
17 tools/settings
18 tools/scenario win/settings
19 tools/parleywick-sim tools/parleywick-settings
# The Windows test harness: its threads, then the bridge and the test host, then the runner's
# machine.
20 winharness/thread
21 winharness/bridge winharness/testhost
22 winharness/simrun
# Not product: what the tests, benchmarks and fuzz targets share (the simulated host's tests
# lend their test mailbox to the hooks' tests, the store's its contract to the registry store's
# Wine test), then each of them; the benchmark of the component through COM borrows the
# harness of both.
23 tests/support tests/win/support fuzz
24 tests/sim tests/store winharness/bench
25 tests/* tests/win/* bench fuzz/*
TABLE

# A host getter may hand back nothing; the core holds host objects only through the checked
# reference, whose -> raises 91 instead of dereferencing null.
if raw=$(cd "$root" && grep -rn 'shared_ptr<host::\|shared_ptr<pwk::host::' src); then
    echo "$raw"
    echo "host references in src/ are Ref<host::...> (src/util/Ref.h), never plain shared_ptr"
    bad=1
fi

if [ "$bad" -ne 0 ]; then
    echo "include arrows must point down the floors (see tools/check-floors.sh)"
    exit 1
fi
echo "floors: every include points down, and no folder's units include each other in a loop"
