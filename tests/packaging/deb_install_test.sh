#!/usr/bin/env bash
# The .deb built by CPack installs into a scratch root and its programs run
# from there: the command line answers a query (which loads libpelta.so from
# the folder of the real executable, lib/bazi-seek/), the window answers
# --version without a display, and the desktop entry and the AppStream
# metainfo validate clean.
#
# deb_install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/bazi-seek_*.deb)

# The package names what the programs need at run time.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libqt6svg6 fonts-noto-cjk tzdata; do
  [[ $depends == *"$needed"* ]] || { echo "Depends lacks $needed: $depends"; exit 1; }
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for f in usr/lib/bazi-seek/bazi-seek usr/lib/bazi-seek/bazi-seek-gui usr/lib/bazi-seek/libpelta.so \
         usr/share/applications/org.baziseek.bazi_seek.desktop \
         usr/share/metainfo/org.baziseek.bazi_seek.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.baziseek.bazi_seek.svg; do
  [[ -f $root/$f ]] || { echo "missing $f"; exit 1; }
done
[[ $(readlink "$root/usr/bin/bazi-seek") == ../lib/bazi-seek/bazi-seek ]]

# Run from the scratch root, far from the build folder: libpelta.so can only
# come from the installed folder.
cd "$work"
out=$("$root/usr/bin/bazi-seek" query "$root/usr/share/bazi-seek/examples/metal-three-with-stem.json")
[[ $out == *"条件数："* ]] || { echo "query gave: $out"; exit 1; }
"$root/usr/bin/bazi-seek" lunar 2016-03-16 | grep -q "猴年(丙申)二月初八"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/bazi-seek-gui" --version |
  grep -q "^bazi-seek "

# Without its library beside it the program says so (it never looks elsewhere).
mv "$root/usr/lib/bazi-seek/libpelta.so" "$work/"
if "$root/usr/bin/bazi-seek" query "$root/usr/share/bazi-seek/examples/metal-three-with-stem.json" \
     >/dev/null 2>"$work/err"; then
  echo "query ran without libpelta.so"; exit 1
fi
grep -q "libpelta.so" "$work/err"

desktop-file-validate "$root/usr/share/applications/org.baziseek.bazi_seek.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.baziseek.bazi_seek.metainfo.xml"
echo "installed and ran from $root"
