#!/usr/bin/env bash
# Saves pictures of the setup forms in English, Chinese and Japanese into docs/screenshots,
# drawn by a virtual X server so that they match what a user sees, and of the MMS form at Qt
# scale 2 on a 1366x768 screen in German and Chinese (its rows scroll, its buttons stay in view).
# Usage: scripts/screenshots.sh [BUILD_FOLDER] [OUTPUT_FOLDER]  (defaults: build/debug, docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/debug}"
output="${2:-docs/screenshots}"
tool="$build/tests/app/tovbrenn-screenshots"

if [ ! -x "$tool" ]; then
    cmake --build "$build" --target tovbrenn-screenshots
fi
if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is missing: run scripts/install-deps.sh first" >&2
    exit 1
fi

# The Chinese and Japanese texts need a CJK font (fonts-noto-cjk).
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$tool" "$output"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1366x768x24" \
    "$tool" "$output" mms-9030 german,chinese
