#!/bin/sh
# Runs one scenario file with the Windows scenario runner twice under Wine, the core in the
# runner's process and then the real component through COM (--com), and compares the two
# transcripts. Only the differences docs/windows.md lists are taken out first:
#  - line ends (Wine writes both programs' output with CR LF; taken out of both);
#  - the icon and help file of a box or dialog, which only the add-in's call knows;
#  - where the settings are kept (the runner's in-memory store, the component's registry branch),
#    in `show settings` and in the line of a `settings` command;
#  - Wine's own messages ("wine: ..."), such as the file dialog's note on drive Z:'s label.
# usage: compare-transcripts.sh WINE RUNNER COMPONENT SCENARIO WORKDIR
set -u
wine=$1 runner=$2 component=$3 scenario=$4 work=$5
name=$(basename "$scenario" .scenario)
mkdir -p "$work"
normalize() {
    sed -E -e 's/\r$//' -e '/^wine: /d' -e 's/^( *(box|dialog) "[^"]*" \()(critical|question|exclamation|information|no icon); /\1/' \
        -e 's/^( *(box|dialog) "[^"]*" \(.*); help [^)]*\)$/\1)/' \
        -e 's/^( *settings )\([^)]*\):/\1(STORE):/' \
        -e 's/^( *settings kept in ).*$/\1(STORE)/' "$1"
}
"$wine" regsvr32 /s "Z:$component" || exit 1
"$wine" "$runner" --keep-going "Z:$scenario" > "$work/$name.core" 2>&1
core=$?
"$wine" "$runner" --keep-going --com "Z:$scenario" > "$work/$name.com" 2>&1
com=$?
normalize "$work/$name.core" > "$work/$name.core.norm"
normalize "$work/$name.com" > "$work/$name.com.norm"
if ! diff -u "$work/$name.core.norm" "$work/$name.com.norm"; then
    echo "the transcripts differ (core: exit $core, --com: exit $com)"
    exit 1
fi
echo "the same transcript (exit $core both ways)"
# Two runs that stop alike (a file that cannot be read) compare nothing.
[ "$core" -eq 0 ] && [ "$com" -eq 0 ]
