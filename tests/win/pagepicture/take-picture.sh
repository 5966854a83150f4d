#!/bin/sh
# Draws the options page for real and takes its picture: Wine's X11 display driver on a virtual
# X screen (xvfb-run), in a prefix of its own (the tests' shared prefix has the null driver),
# made the first time (~20 s). The picture program opens the test host's options dialog with the
# page, checks its controls' texts and says where the dialog is; the screen is read with xwd and
# the dialog cut out with ImageMagick. A picture of a few colours is a blank one.
# usage: take-picture.sh WINE PROGRAM COMPONENT PICTURE PREFIX
set -eu
wine=$1 program=$2 component=$3 picture=$4 prefix=$5
for tool in xvfb-run xwd convert identify; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: the Debian packages xvfb, x11-apps and imagemagick have it"
        exit 1
    fi
done
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(dirname "$picture")
ready="$work/page-picture.ready"
taken="$work/page-picture.taken"
rm -f "$ready" "$taken" "$picture"
export wine program component picture ready taken
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -u
    if [ ! -f "$WINEPREFIX/.pwk-x11" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        # No window manager runs on the virtual screen: Wine draws the frames and captions.
        wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Decorated /d N /f >/dev/null 2>&1
        wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.pwk-x11"
    fi
    "$wine" "$program" "Z:$component" "Z:$ready" "Z:$taken" &
    shown=$!
    waited=0
    while [ ! -s "$ready" ] && [ $waited -lt 600 ] && kill -0 $shown 2>/dev/null; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if [ -s "$ready" ]; then
        read -r x y width height < "$ready"
        xwd -root -silent | convert xwd:- -crop "${width}x${height}+${x}+${y}" +repage "$picture"
    fi
    touch "$taken"
    wait $shown
    status=$?
    wineserver -k 2>/dev/null || true
    exit $status'
if [ ! -f "$picture" ]; then
    echo "no picture was taken"
    exit 1
fi
colours=$(convert "$picture" -format %k info:)
echo "picture $picture: $(identify -format %wx%h "$picture"), $colours colours"
if [ "$colours" -le 8 ]; then
    echo "the picture is blank"
    exit 1
fi
