#!/usr/bin/env bash
# Makes the Windows installer from a `windows` build, then checks it under Wine in a prefix of
# its own: a silent per-user install, the installed command line's version and a menu.dat
# write, and a silent uninstall that leaves no program file and no uninstall entry behind but
# keeps the user's data unless given /REMOVEDATA.
# Usage: scripts/build-windows-installer.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
version=$(sed -n 's/^project(TovBrennSetup//;s/^ *VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt | head -n 1)
out=$build/tovbrenn-setup-$version.exe
programs=$build/installer-programs
mkdir -p "$programs"
cp "$build/src/app/shell/tovbrenn.exe" "$build/src/cli/tovbrenn-cli.exe" "$programs/"
makensis -V2 -DVERSION="$version" -DBINDIR="$programs" -DSRCDIR="$PWD" -DOUTFILE="$out" \
    packaging/windows/tovbrenn.nsi
echo "installer: $out"

work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine wineboot --init >/dev/null 2>&1
fail() { echo "installer check: $*" >&2; exit 1; }

wine "$out" /S >/dev/null 2>&1
wineserver -w
installed=$(wine cmd.exe /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\Programs\\Tov\ Brenn\ Setup
unix_dir=$(winepath -u "$installed" 2>/dev/null)
for file in tovbrenn.exe tovbrenn-cli.exe uninstall.exe copyright.txt LICENSE-Apache-2.0.txt; do
    [ -f "$unix_dir/$file" ] || fail "$file not installed in $unix_dir"
done
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TovBrennSetup' \
    /v UninstallString >/dev/null 2>&1 || fail "no uninstall entry"

cli_version=$(wine "$unix_dir/tovbrenn-cli.exe" --version 2>/dev/null | tr -d '\r')
[[ $cli_version == 1.* ]] || fail "installed tovbrenn-cli.exe --version printed '$cli_version'"
mkdir "$work/card"
wine "$unix_dir/tovbrenn-cli.exe" menu --out "$(winepath -w "$work/card")" --model 4 --factory \
    >/dev/null 2>&1 || fail "installed tovbrenn-cli.exe menu failed"
# The factory record: FF FF FF FF, zeros, the check 0x8890 low byte first, CR LF.
expected="ffffffff$(printf '0%.0s' $(seq 1 104))90880d0a"
[ "$(od -An -tx1 -v "$work/card/menu.dat" | tr -d ' \n')" = "$expected" ] ||
    fail "menu.dat written by the installed program is not the factory record"

# A silent uninstall keeps what is the user's; /REMOVEDATA removes it.
data_dir=$(winepath -u "$(wine cmd.exe /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\tovbrenn")
mkdir -p "$data_dir/backups"
touch "$data_dir/backups/kept.dat"
wine "$unix_dir/uninstall.exe" /S >/dev/null 2>&1
wineserver -w
[ ! -e "$unix_dir" ] || fail "the uninstall left $(ls -A "$unix_dir" | tr '\n' ' ') in $unix_dir"
[ -f "$data_dir/backups/kept.dat" ] || fail "the silent uninstall removed $data_dir"
wine "$out" /S >/dev/null 2>&1
wineserver -w
wine "$unix_dir/uninstall.exe" /S /REMOVEDATA >/dev/null 2>&1
wineserver -w
[ ! -e "$data_dir" ] || fail "the uninstall with /REMOVEDATA left $data_dir"
if wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TovBrennSetup' \
    >/dev/null 2>&1; then
    fail "the uninstall entry is still there"
fi
echo "installer check: silent install, run, uninstall and data removal passed"
