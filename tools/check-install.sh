#!/bin/sh
# Installs a build into a scratch folder and checks what a desktop needs from it: the two programs,
# the launcher, the icon, the AppStream data and the user guide, validated by the desktop's own tools.
# Usage: tools/check-install.sh [BUILD_DIR]   (exit 77 when the build has not made the programs yet)
set -eu
build=${1:-build}
app_id=org.tallywick.Tallywick
if [ ! -x "$build/src/tallywick" ] || [ ! -x "$build/src/tallywick-cli" ]; then
    echo "check-install: $build has no built programs; build first" >&2
    exit 77
fi
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 || { cat "$stage.log"; exit 1; }
rm -f "$stage.log"
root="$stage/usr"
failed=0
need() {
    if [ -e "$root/$1" ]; then echo "ok      $1"; else echo "MISSING $1"; failed=1; fi
}
need bin/tallywick
need bin/tallywick-cli
need share/applications/$app_id.desktop
need share/metainfo/$app_id.metainfo.xml
need share/icons/hicolor/scalable/apps/tallywick.svg
for size in 16 22 24 32 48 64 128 256; do
    need share/icons/hicolor/${size}x$size/apps/tallywick.png
done
need share/tallywick/guide/index.html
need share/doc/tallywick/README.md

desktop="$root/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || failed=1
appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" || failed=1
# The launcher must name what was installed: its program and its icon.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/bin/$exec_name" ] || { echo "Exec=$exec_name is not an installed program"; failed=1; }
[ -e "$root/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || { echo "Icon=$icon_name not installed"; failed=1; }
# Every picture the guide shows must travel with it.
for image in $(grep -o 'src="[^"]*"' "$root/share/tallywick/guide/index.html" | sed 's/src="\(.*\)"/\1/'); do
    [ -e "$root/share/tallywick/guide/$image" ] || { echo "guide image missing: $image"; failed=1; }
done
version=$(HOME="$stage" "$root/bin/tallywick-cli" --version 2>/dev/null) || failed=1
echo "installed tallywick-cli --version: $version"
[ "$failed" = 0 ] && echo "check-install: all good"
exit "$failed"
