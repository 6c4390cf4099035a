#!/usr/bin/env bash
# Saves pictures of the Windows build's main window and three forms (the Tov 9030MG's) in English
# and in Chinese into docs/screenshots, drawn by Wine's windows on a virtual X server: Wine in
# an English locale, and in a Chinese one (code page 936, the Chinese system language). The
# Wine prefix gets the host's DejaVu Sans and Noto Sans CJK in place of the Windows fonts Qt
# asks for, which Wine has not.
# Usage: scripts/screenshots-windows.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/windows}")
output=$(realpath "${2:-docs/screenshots}")
tool="$build/tests/app/tovbrenn-screenshots.exe"
[ -f "$tool" ] || cmake --build "$build" --target tovbrenn-screenshots

export WINEPREFIX="$build/wine-prefix-screenshots" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot --init >/dev/null 2>&1
    replacements='HKCU\Software\Wine\Fonts\Replacements'
    for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI" Arial "Microsoft Sans Serif"; do
        wine reg add "$replacements" /v "$font" /d "DejaVu Sans" /f >/dev/null 2>&1
    done
    for font in SimSun NSimSun "Microsoft YaHei" "Microsoft YaHei UI" SimHei "MS Gothic" \
        "MS UI Gothic" Meiryo "Yu Gothic"; do
        wine reg add "$replacements" /v "$font" /d "Noto Sans CJK SC" /f >/dev/null 2>&1
    done
fi
# A Wine session started without the display would keep its desktop from showing windows.
wineserver -k 2>/dev/null || true
# One X server and one Wine session a language; a first program starts Wine's desktop, which
# takes longer than a window is waited for.
shots() {
    local locale=$1 language=$2
    LANG=$locale LC_ALL= xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        set -e
        wine cmd.exe /c exit >/dev/null 2>&1 || true
        for prefix in main camera-9030 mms-9030 smtp-9030; do
            wine "$1" "$2" "$prefix" "$3"
        done
        wineserver -k || true' shots "$tool" "Z:${output//\//\\}" "$language"
}
shots en_US.UTF-8 english
shots zh_CN.UTF-8 chinese
