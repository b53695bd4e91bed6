#!/bin/bash
# Installs a build into a temporary prefix and checks that every file lands where a Linux desktop
# looks for it: the programs in bin/, the whole model set in share/qor/QORX, the example designs
# in share/qor/examples, the desktop entry and the AppStream metainfo (both accepted by their
# validators and naming the design files' media type), the media type itself (a shared MIME
# database built from it maps *.qor to it, with its icon), the copyright file, and the program's
# and the design files' icons in the hicolor theme at each size, every PNG as large as its folder
# says.
#
# Usage: check-installed-files.sh SOURCE_DIR BUILD_DIR APP_ID DESIGN_TYPE DESIGN_ICON
set -euo pipefail

usage="usage: check-installed-files.sh SOURCE_DIR BUILD_DIR APP_ID DESIGN_TYPE DESIGN_ICON"
source_dir=${1:?$usage}
build=${2:?$usage}
app_id=${3:?$usage}
design_type=${4:?$usage}
design_icon=${5:?$usage}

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

examples=$(find "$source_dir/examples" -name '*.qor' | wc -l)
[ "$examples" -ge 5 ] || fail "the source has $examples example designs"
diff -r "$source_dir/examples" "$prefix/share/qor/examples" >"$tmp/examples.diff" 2>&1 ||
    fail "share/qor/examples differs from the examples: $(cat "$tmp/examples.diff")"

desktop=$prefix/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
    for key in 'Name' 'GenericName' 'GenericName\[ru\]' 'Comment' 'Comment\[ru\]' 'Exec' 'Icon'; do
        grep -q "^$key=." "$desktop" || fail "the desktop entry has no $key"
    done
    grep -qx "Exec=qor %f" "$desktop" || fail "the desktop entry does not start qor with a file"
    grep -qx "MimeType=$design_type;" "$desktop" || fail "the desktop entry does not open $design_type"
    grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
else
    fail "no desktop entry share/applications/$app_id.desktop"
fi

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$tmp/metainfo.log" 2>&1 ||
        fail "appstreamcli refuses $metainfo: $(cat "$tmp/metainfo.log")"
    grep -q "<mediatype>$design_type</mediatype>" "$metainfo" ||
        fail "the metainfo does not list the media type $design_type"
else
    fail "no metainfo share/metainfo/$app_id.metainfo.xml"
fi

# The media type: a well-formed file from which update-mime-database, as the package's trigger
# runs it, makes a database that gives *.qor the type and the type its icon.
mime=$prefix/share/mime/packages/$app_id.xml
if [ -f "$mime" ]; then
    xmllint --noout "$mime" || fail "$mime is not well-formed XML"
    mkdir -p "$tmp/mime/packages"
    cp "$mime" "$tmp/mime/packages/"
    update-mime-database "$tmp/mime" >/dev/null 2>&1 || fail "update-mime-database refuses $mime"
    grep -qx "[0-9]*:$design_type:\*\.qor" "$tmp/mime/globs2" 2>/dev/null ||
        fail "the MIME database does not map *.qor to $design_type"
    grep -qx "$design_type:$design_icon" "$tmp/mime/icons" 2>/dev/null ||
        fail "the MIME database does not give $design_type the icon $design_icon"
    for lang in '' ' xml:lang="ru"'; do
        grep -q "<comment$lang>..*</comment>" "$mime" || fail "the media type has no comment$lang"
    done
else
    fail "no media type share/mime/packages/$app_id.xml"
fi

grep -q '^License: GPL-3.0-or-later' "$prefix/share/doc/qor/copyright" 2>/dev/null ||
    fail "share/doc/qor/copyright does not give the licence"

icons=$prefix/share/icons/hicolor
for icon in "apps/$app_id" "mimetypes/$design_icon"; do
    for size in $ICON_SIZES; do
        png=$icons/${size}x${size}/$icon.png
        if [ -f "$png" ]; then
            actual=$(png_size "$png")
            [ "$actual" = "${size}x${size}" ] || fail "$png is $actual"
        else
            fail "no icon ${size}x${size}/$icon.png"
        fi
    done
    svg=$icons/scalable/$icon.svg
    xmllint --noout "$svg" 2>/dev/null && grep -q '<svg' "$svg" ||
        fail "no scalable icon scalable/$icon.svg"
done

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "Every installed file is in place."
