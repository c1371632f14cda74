#!/usr/bin/env bash
# Builds the Debian package, installs it into a throw-away root and checks what it holds and
# that the installed calculator runs, finds its resources and keeps its data in the user's
# folders.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

fail() { echo "package check: $*" >&2; exit 1; }

# The validators the check runs, installed like the build's own packages.
tools=(desktop-file-utils appstream man-db lintian)
missing=()
for p in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

deb=$(./tools/zyk.sh package | tail -n 1)
[ -f "$deb" ] || fail "no package built"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The throw-away root has no Qt of its own: its dependencies are checked below, not installed.
dpkg --root="$root" --log=/dev/null --force-depends --force-script-chrootless -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg: $(cat "$work/dpkg.log")"

expected=(
    usr/bin/zykcalc
    usr/share/applications/net.umbrin.zykcalc.desktop
    usr/share/metainfo/net.umbrin.zykcalc.metainfo.xml
    usr/share/icons/hicolor/16x16/apps/zykcalc.png
    usr/share/icons/hicolor/32x32/apps/zykcalc.png
    usr/share/icons/hicolor/48x48/apps/zykcalc.png
    usr/share/icons/hicolor/64x64/apps/zykcalc.png
    usr/share/icons/hicolor/128x128/apps/zykcalc.png
    usr/share/icons/hicolor/256x256/apps/zykcalc.png
    usr/share/icons/hicolor/scalable/apps/zykcalc.svg
    usr/share/man/man1/zykcalc.1.gz
    usr/share/bash-completion/completions/zykcalc
    usr/share/doc/zykcalc/copyright
    usr/share/doc/zykcalc/changelog.Debian.gz
    usr/share/zykcalc/help/Introduction.htm
    usr/share/zykcalc/help/Programming.htm
    usr/share/zykcalc/images/Bkc_gold.bmp
    usr/share/zykcalc/images/Bkc_green.bmp
)
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing $f"
done
dpkg --root="$root" -L zykcalc | grep -q '^/usr/bin/zykcalc$' || fail "dpkg does not know the binary"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

desktop-file-validate "$root/usr/share/applications/net.umbrin.zykcalc.desktop" ||
    fail "desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/net.umbrin.zykcalc.metainfo.xml" >/dev/null ||
    fail "metainfo does not validate"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/zykcalc.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page warnings: $warnings"
bash -n "$root/usr/share/bash-completion/completions/zykcalc" || fail "completion script"

# The installed copy runs from its bin folder, as root too, and writes nothing beside itself.
home=$work/home
mkdir -p "$home"
out=$(HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
      "$root/usr/bin/zykcalc" --keys "2 var:x + 1 EXE SaveAs:Check")
grep -q 'ƒ=2x+1' <<<"$out" || fail "installed calculator printed: $out"
[ "$(ls "$root/usr/bin")" = zykcalc ] || fail "files were written beside the executable: $(ls "$root/usr/bin")"
find "$home/.local/share" -name UserEq.dat | grep -q . || fail "no user formula file in the data folder"

# Every lintian error or warning fails the check (the one tag that only concerns Debian's own
# archive is overridden in the package).
tags=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep -E '^(E|W):' || true)
[ -z "$tags" ] || fail "lintian: $tags"
echo "package check: $deb installs and runs"
