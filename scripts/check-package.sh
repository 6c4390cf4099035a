#!/usr/bin/env bash
# Checks a built Debian package: unpacks it into a temporary root (dpkg -x) and checks its
# control fields, that every file a user needs is there and well formed, and that the
# installed command-line tool runs.
# Usage: scripts/check-package.sh PACKAGE.deb
set -euo pipefail

deb="${1:?usage: $0 PACKAGE.deb}"
app_id="com.example.tovbrenn"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() { [ -f "$root/$1" ] || fail "missing /$1"; }

[ "$(dpkg-deb -f "$deb" Package)" = tovbrenn ] || fail "package name"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"
dpkg-deb -x "$deb" "$root"

for f in usr/bin/tovbrenn usr/bin/tovbrenn-cli; do
    [ -x "$root/$f" ] || fail "missing or not executable: /$f"
done
expect_file "usr/share/applications/$app_id.desktop"
expect_file "usr/share/metainfo/$app_id.metainfo.xml"
expect_file "usr/share/man/man1/tovbrenn-cli.1.gz"
expect_file "usr/share/doc/tovbrenn/copyright"

# Every icon in the theme's sizes, as an 8-bit PNG of its folder's size.
for size in 16 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/tovbrenn.png"
    if [ ! -f "$icon" ]; then
        fail "missing icon ${size}x${size}"
        continue
    fi
    # The PNG header: width and height (4 bytes each, big-endian) at 16, bit depth at 24.
    read -r width height depth < <(od -An -tu1 -j16 -N9 "$icon" |
        awk '{ print ($1*16777216 + $2*65536 + $3*256 + $4), ($5*16777216 + $6*65536 + $7*256 + $8), $9 }')
    [ "$width $height $depth" = "$size $size 8" ] ||
        fail "icon ${size}x${size} is ${width}x${height} with $depth bits per channel"
done

grep -q "Copyright 2006 Google Inc." "$root/usr/share/doc/tovbrenn/copyright" &&
    grep -q "Apache License, Version 2.0" "$root/usr/share/doc/tovbrenn/copyright" ||
    fail "copyright file lacks the operator data's credit"
zcat "$root/usr/share/man/man1/tovbrenn-cli.1.gz" | grep -q '^\.TH "\?TOVBRENN-CLI' ||
    fail "man page has no title"
grep -q '^Icon=tovbrenn$' "$root/usr/share/applications/$app_id.desktop" ||
    fail "desktop entry does not name the icon"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
        fail "AppStream metainfo"
fi

# The installed tool runs: its version, and a real file written with it.
export TOVBRENN_PREFERENCES="$root/preferences.ini"
version="$("$root/usr/bin/tovbrenn-cli" --version)" || fail "tovbrenn-cli --version failed"
# The tool prints the package's version with a three-digit last part: 1.3.6 is 1.3.006.
expected="$(dpkg-deb -f "$deb" Version | awk -F. '{ printf "%d.%d.%03d", $1, $2, $3 }')"
[ "$version" = "$expected" ] || fail "tovbrenn-cli --version printed '$version'"
mkdir "$root/card"
"$root/usr/bin/tovbrenn-cli" menu --out "$root/card" --factory --model 9030M >/dev/null ||
    fail "tovbrenn-cli menu failed"
[ "$(stat -c %s "$root/card/menu.dat" 2>/dev/null)" = 60 ] || fail "menu.dat is not 60 bytes"

if [ "$failures" -ne 0 ]; then
    echo "$deb: $failures failed" >&2
    exit 1
fi
echo "$deb: package check passed"
