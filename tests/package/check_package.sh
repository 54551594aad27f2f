#!/usr/bin/env bash
# Makes the Debian package from a build folder into a scratch folder and checks what it holds:
# the programs, the desktop entry (which must validate), the icons, the English translation, the
# DNC server's unit and the user it runs as, and none of the simulators.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; exit 1; }
debs=("$scratch"/truv_*_*.deb)
[ -f "${debs[0]}" ] || { echo "no truv_<version>_<arch>.deb made" >&2; exit 1; }
deb=${debs[0]}
dpkg-deb -c "$deb" | awk '{print $NF}' >"$scratch/contents"

failures=0
expect() { # PATH present|absent
  if grep -qx "$1" "$scratch/contents"; then found=present; else found=absent; fi
  if [ "$found" != "$2" ]; then
    echo "FAIL: $1 is $found in the package, expected $2" >&2
    failures=$((failures + 1))
  fi
}
while read -r path state; do
  expect "$path" "$state"
done <<'LIST'
./usr/bin/truvnet present
./usr/bin/picvault present
./usr/share/applications/truv.desktop present
./usr/share/icons/hicolor/scalable/apps/truv.svg present
./usr/share/icons/hicolor/16x16/apps/truv.png present
./usr/share/icons/hicolor/32x32/apps/truv.png present
./usr/share/icons/hicolor/48x48/apps/truv.png present
./usr/share/icons/hicolor/64x64/apps/truv.png present
./usr/share/icons/hicolor/128x128/apps/truv.png present
./usr/share/icons/hicolor/256x256/apps/truv.png present
./usr/lib/systemd/system/truv-listen.service present
./usr/share/truv/translations/truv_en.qm present
./usr/bin/serialcnc absent
./usr/bin/cncsim absent
./usr/lib/libcncsim.so absent
LIST

dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$scratch" ./usr/share/applications/truv.desktop
desktop-file-validate "$scratch/usr/share/applications/truv.desktop" \
  || { echo "FAIL: the desktop entry does not validate" >&2; failures=$((failures + 1)); }
# The DNC server's user is made when the package is configured.
dpkg-deb -e "$deb" "$scratch/control"
[ -x "$scratch/control/postinst" ] && grep -q "groups dialout" "$scratch/control/postinst" \
  || { echo "FAIL: no postinst making the DNC server's user in dialout" >&2; failures=$((failures + 1)); }
# The libraries come from dpkg-shlibdeps, the plugins from the list of our own.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqscintilla2-qt6 libqt6sql6-sqlite libqt6sql6-psql; do
  case "$depends" in
    *"$library"*) ;;
    *) echo "FAIL: Depends lacks $library: $depends" >&2; failures=$((failures + 1)) ;;
  esac
done

if [ "$failures" -ne 0 ]; then
  dpkg-deb -c "$deb" >&2
  exit 1
fi
echo "$(basename "$deb"): $(wc -l <"$scratch/contents") entries, $(stat -c %s "$deb") bytes"
