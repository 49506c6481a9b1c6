#!/bin/sh
# Opens every page in English, German and Japanese at scale 1 and 2 on a
# virtual X server (Xvfb, as a desktop user would see it) and lists the texts
# that do not fit. Pictures go to a temporary folder (kept, not committed).
# Usage: tools/ui-walkthrough.sh [BUILD-DIR]   Exit status 1 when a text is clipped.
set -u
build=${1:-build}
walk="$build/bin/clipwalk"
[ -x "$walk" ] || { echo "build the clipwalk target first: cmake --build $build --target clipwalk" >&2; exit 2; }
out=$(mktemp -d /tmp/quillon-walk.XXXXXX)
status=0
for lang in en de ja; do
    for scale in 1 2; do
        echo "== $lang, scale $scale"
        QT_SCALE_FACTOR=$scale LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1920x1200x24" \
            "$walk" "/translations/qt_$lang.qm" "$out/$lang-$scale" || status=1
    done
done
echo "pictures: $out"
exit $status
