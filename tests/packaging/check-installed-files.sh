#!/bin/bash
# Installs a build into a temporary prefix and checks that every file lands where a Linux desktop
# looks for it: the programs in bin/, the whole model set in share/qor/QORX, the desktop entry
# and the AppStream metainfo (both accepted by their validators), the copyright file, and the icon in the hicolor
# theme at each size, every PNG as large as its folder says.
#
# Usage: check-installed-files.sh SOURCE_DIR BUILD_DIR APP_ID
set -euo pipefail

source_dir=${1:?usage: check-installed-files.sh SOURCE_DIR BUILD_DIR APP_ID}
build=${2:?usage: check-installed-files.sh SOURCE_DIR BUILD_DIR APP_ID}
app_id=${3:?usage: check-installed-files.sh SOURCE_DIR BUILD_DIR APP_ID}

readonly ICON_SIZES="16 22 24 32 48 64 128 256"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Width and height of a PNG, from its header chunk.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }'
}

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install failed" >&2
    exit 1
}

for program in qor qor-solve; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done

diff -r "$source_dir/QORX" "$prefix/share/qor/QORX" >"$tmp/models.diff" 2>&1 ||
    fail "share/qor/QORX differs from the model set: $(cat "$tmp/models.diff")"

desktop=$prefix/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
    for key in 'Name' 'GenericName' 'GenericName\[ru\]' 'Comment' 'Comment\[ru\]' 'Exec' 'Icon'; do
        grep -q "^$key=." "$desktop" || fail "the desktop entry has no $key"
    done
    grep -qx "Exec=qor" "$desktop" || fail "the desktop entry does not start qor"
    grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
else
    fail "no desktop entry share/applications/$app_id.desktop"
fi

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$tmp/metainfo.log" 2>&1 ||
        fail "appstreamcli refuses $metainfo: $(cat "$tmp/metainfo.log")"
else
    fail "no metainfo share/metainfo/$app_id.metainfo.xml"
fi

grep -q '^License: GPL-3.0-or-later' "$prefix/share/doc/qor/copyright" 2>/dev/null ||
    fail "share/doc/qor/copyright does not give the licence"

icons=$prefix/share/icons/hicolor
for size in $ICON_SIZES; do
    png=$icons/${size}x${size}/apps/$app_id.png
    if [ -f "$png" ]; then
        actual=$(png_size "$png")
        [ "$actual" = "${size}x${size}" ] || fail "$png is $actual"
    else
        fail "no icon ${size}x${size}/apps/$app_id.png"
    fi
done
svg=$icons/scalable/apps/$app_id.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon scalable/apps/$app_id.svg"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "Every installed file is in place."
