#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a temporary root and
# draws from a sample project as a user with an empty home folder; then validates the
# desktop entries, the AppStream metadata and the package itself (lintian).
#   packaging/test-package.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/zelmora_*.deb)
dpkg-deb -x "$deb" "$work/root"
app="$work/root/usr/lib/zelmora"

[ -f "$app/.per-user-data" ] || fail "the installation lacks its per-user data marker"
for leftover in Soft.ini DesignSender.ini RandEditSender.ini Temp Data/history.db Data/history.db.pending; do
  [ ! -e "$app/$leftover" ] || fail "test leftover $leftover in the package"
done
for f in Dellamy Quillet.so Mirzonel.so EditProject.ini Data/menu.xml Data/Projects/课堂点名.rpj Img/示例图片1.jpg; do
  [ -e "$app/$f" ] || fail "$f missing from the package"
done
# Both help files, each with the pictures and the style sheet it names.
for help in "Zelmora 帮助文档.html" "Zelmora Help.html"; do
  [ -f "$app/$help" ] || fail "$help missing from the package"
  for picture in $(grep -o '\(src\|href\)="help/[^"]*"' "$app/$help" | cut -d'"' -f2); do
    [ -f "$app/$picture" ] || fail "$help shows $picture, which the package lacks"
  done
done

# The control data: one description (no list separators), the history's SQLite driver
# depended on, the speech plugin and a voice recommended, a size that matches the files.
control=$(dpkg-deb -f "$deb")
! grep -q '^ ;' <<<"$control" || fail "stray ';' in the description: $(grep '^ ;' <<<"$control" | head -1)"
grep -q '^Depends:.*libqt6sql6-sqlite' <<<"$control" || fail "no dependency on the SQLite driver"
grep -q '^Recommends:.*qt6-speech-speechd-plugin.*speech-dispatcher-espeak-ng' <<<"$control" \
  || fail "speech plugin and voice not recommended"
declared=$(dpkg-deb -f "$deb" Installed-Size)
actual=$(du -sk --apparent-size "$work/root" | cut -f1)
(( declared * 10 <= actual * 11 && declared * 10 >= actual * 9 )) \
  || fail "Installed-Size $declared KiB for $actual KiB of files"
for entry in "$work"/root/usr/share/applications/*.desktop; do
  grep -q '^StartupWMClass=' "$entry" || fail "$(basename "$entry") names no window class"
done

installed_before=$(cd "$app" && find . | sort)
mkdir "$work/home"
HOME="$work/home" env -u XDG_DATA_HOME "$work/root/usr/bin/zelmora-draw" --project 课堂点名 --seed 7 >"$work/draw.txt" \
  || fail "the installed command line did not draw (status $?)"
[ -s "$work/draw.txt" ] || fail "the draw printed nothing"
[ -f "$work/home/.local/share/zelmora/Data/Projects/课堂点名.rpj" ] || fail "the user's data folder was not seeded"
[ -f "$work/home/.local/share/zelmora/Data/menu.xml" ] || fail "the catalogue was not seeded"
[ "$installed_before" = "$(cd "$app" && find . | sort)" ] || fail "the draw wrote into the installation folder"

desktop-file-validate "$work"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/org.zelmora.Zelmora.metainfo.xml
lintian --fail-on error "$deb"
echo "package $(basename "$deb") passed"
