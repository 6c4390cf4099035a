#!/bin/sh
# The Windows programs as they ship: 64-bit PE files that need no DLL beside them (only the
# system's own), carrying a manifest that leaves the ANSI code page alone; and the command
# line under Wine writing the camera's factory menu.dat into a folder named with a drive
# letter and letters outside ASCII, byte for byte as the record's layout gives it.
# Usage: programs.sh WINE_RUN PREFIX GUI_EXE CLI_EXE
set -eu
run=$1
prefix=$2
gui=$3
cli=$4
objdump=x86_64-w64-mingw32-objdump
fail() { printf 'programs.sh: %s\n' "$*" >&2; exit 1; }

# DLLs every Windows 10 has; anything else would have to ship beside the programs.
system_dlls='advapi32 authz comdlg32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr
msvcrt netapi32 ole32 oleaut32 shcore shell32 shlwapi user32 userenv uxtheme version winmm
ws2_32 wtsapi32'
for exe in "$gui" "$cli"; do
    "$objdump" -f "$exe" | grep -q 'file format pei-x86-64' || fail "$exe is not PE32+"
    for dll in $("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        name=${dll%.dll}
        case "$name" in api-ms-win-*) continue ;; esac
        echo "$system_dlls" | tr ' ' '\n' | grep -qx "$name" || fail "$exe needs $dll"
    done
    grep -aq 'PerMonitorV2' "$exe" || fail "$exe has no per-monitor DPI manifest"
    if grep -aq '<activeCodePage' "$exe"; then fail "$exe switches its code page"; fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
expected='ff ff ff ff 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
00 00 00 00 00 00 00 00 90 88 0d 0a'
for folder in "$work/card" "$work/Karte Ä 相机"; do
    mkdir -p "$folder"
    # Wine's Z: is the host's root.
    windows_path="Z:$(printf '%s' "$folder" | tr '/' '\\')"
    "$run" "$prefix" "$cli" menu --out "$windows_path" --model 4 --factory >/dev/null ||
        fail "menu --out $windows_path failed"
    written=$(od -An -v -tx1 "$folder/menu.dat" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
    [ "$written" = "$(echo $expected)" ] || fail "$folder/menu.dat holds $written"
    # The safe output leaves nothing but the file itself.
    [ "$(ls -A "$folder")" = "menu.dat" ] || fail "$folder holds $(ls -A "$folder")"
done
echo "both programs need only system DLLs; menu.dat is the factory record in both folders"
