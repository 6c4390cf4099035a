#!/bin/sh
# The card finder of the Windows build on Wine's drives, in a Wine prefix of its own: R: is a
# folder Wine calls a removable drive (a "floppy"), S: one it calls fixed. `cards` lists R:
# alone (not S:, not the system drive C:, not Z:) with the camera file on it and the warning
# that the camera cannot read its file system (Wine says NTFS); `--out card` refuses it,
# listing it; ejecting it fails as a failure, saying the card may not be removed.
# Usage: cards.sh WINE_RUN PREFIX CLI   (the prefix given is not used: this test makes its own)
set -eu
run=$1
cli=$3
fail() { printf 'cards.sh: %s\n' "$*" >&2; exit 1; }

work=$(mktemp -d)
prefix="$work/prefix"
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/card" "$work/disk"
"$run" "$prefix" cmd.exe /c exit >/dev/null 2>&1
ln -sfn "$work/card" "$prefix/dosdevices/r:"
ln -sfn "$work/disk" "$prefix/dosdevices/s:"
"$run" "$prefix" reg add 'HKLM\Software\Wine\Drives' /v 'r:' /d floppy /f >/dev/null 2>&1
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true  # the drive types are read at start

"$run" "$prefix" "$cli" menu --out 'R:\' --model 4 --factory >/dev/null 2>&1 ||
    fail "menu --out R:\\ failed"
listed=$("$run" "$prefix" "$cli" cards --json 2>/dev/null | tr -d '\r')
printf '%s\n' "$listed"
[ "$(printf '%s\n' "$listed" | grep -c '"mountPoint"')" = 1 ] || fail "not one card listed"
printf '%s\n' "$listed" | grep -q '"mountPoint": "R:\\\\"' || fail "R: is not the card"
printf '%s\n' "$listed" | grep -q '"label": "R:"' || fail "R: has no label"
printf '%s\n' "$listed" | grep -A1 '"cameraFiles"' | grep -q '"menu.dat"' ||
    fail "menu.dat on R: is not seen"
printf '%s\n' "$listed" | grep -q 'the camera reads FAT12/16/32 and exFAT only' ||
    fail "no file system warning"

code=0
refused=$("$run" "$prefix" "$cli" menu --out card --model 4 --factory 2>&1) || code=$?
[ "$code" = 2 ] || fail "--out card exited $code: $refused"
printf '%s\n' "$refused" | grep -q 'R:' || fail "--out card does not name R: ($refused)"

code=0
ejected=$("$run" "$prefix" "$cli" eject 'R:\' 2>&1) || code=$?
printf '%s\n' "$ejected" | tr -d '\r' | grep -q 'may not be removed yet' && [ "$code" = 1 ] ||
    fail "eject on Wine's folder drive exited $code: $ejected"
echo "cards.sh: R: found, S:, C: and Z: not; --out card and eject refuse as they should"
