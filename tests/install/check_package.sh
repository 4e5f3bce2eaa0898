#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# root and checks the tree a player's machine would get: the program runs
# from there, the menu entry, icons, file type, metainfo and manual page are
# where the desktop looks for them and pass their validators, and lintian
# finds no error in the package.
# usage: check_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 app=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/out/zentrix_"$version"-*_*.deb)
echo "package: $(basename "$deb")"

# Control fields: the libraries come from dpkg-shlibdeps, the plugins
# loaded at run time from our own list; no maintainer scripts.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6widgets6 libqt6svg6 libqt6charts6 libqt6multimedia6 libfluidsynth3 \
           gstreamer1.0-plugins-good; do
  [[ ",$depends," == *[\ ,]"$lib"[\ ,\(]* ]] || fail "Depends lacks $lib"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "Section is not games"
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq 'postinst|prerm|postrm|preinst' && fail "the package has maintainer scripts"

# The tree: everything under /usr and owned by root (lintian checks the modes).
dpkg-deb -c "$deb" | awk '{print $2, $6}' | while read -r owner path; do
  [ "$owner" = root/root ] || fail "$path is owned by $owner"
  [[ $path == ./usr/* || $path == ./ || $path == ./usr/ ]] || fail "$path is outside /usr"
done
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
expected=(
  usr/games/zentrix
  "usr/share/applications/$app.desktop"
  "usr/share/metainfo/$app.metainfo.xml"
  "usr/share/mime/packages/$app.xml"
  usr/share/icons/hicolor/scalable/apps/zentrix.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-zentrix-savegame.svg
  usr/share/man/man6/zentrix.6.gz
  usr/share/doc/zentrix/copyright
  usr/share/doc/zentrix/changelog.Debian.gz
)
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/zentrix mimetypes/application-x-zentrix-savegame; do
    png=usr/share/icons/hicolor/${size}x${size}/$icon.png
    expected+=("$png")
    file -b "$root/$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a $size-pixel PNG"
  done
done
for f in "${expected[@]}"; do [ -f "$root/$f" ] || fail "missing /$f"; done
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
unexpected=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(printf '%s\n' "$actual"))
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
echo "files: ${#expected[@]}"

# The installed program runs on its own: its pictures, sounds and help are
# compiled in. --version answers on a console without a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/zentrix" --version)" = "Zentrix $version" ] ||
  fail "zentrix --version"

# The desktop's own tools accept the files.
desktop-file-validate "$share/applications/$app.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=zentrix %u' "$share/applications/$app.desktop" || fail "Exec line"
# A clicked invite link (zentrix://HOST:PORT/CODE) starts the game with it.
grep -q '^MimeType=.*;x-scheme-handler/zentrix;' "$share/applications/$app.desktop" || fail "invite links"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
xmllint --noout "$share/mime/packages/$app.xml" || fail "xmllint"
# A saved game is recognised by the MIME database the package's file builds.
cp -r "$share/mime" "$work/mime"
XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/mime.log" || fail "update-mime-database"
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "update-mime-database complained"; }
grep -q ':application/x-zentrix-savegame:\*\.znx' "$work/mime/globs2" || fail "*.znx is not a saved game"
grep -qx 'application/x-zentrix-savegame:application-x-zentrix-savegame' "$work/mime/icons" ||
  fail "the saved-game type has not its icon"
[ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/zentrix.6.gz" 2>&1 >/dev/null)" ] ||
  fail "the manual page has warnings"

# lintian: errors fail, warnings are shown.
lintian --allow-root --tag-display-limit 0 --display-info "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -q '^E:' "$work/lintian.log" || fail "lintian found errors"
