#!/usr/bin/env bash
# Builds tovbrenn.exe, tovbrenn-cli.exe and the tests for Windows (the `windows` preset): the
# static Qt first (built once and cached), then a folder with only the header-only libraries'
# headers, so that the build host's /usr/include never reaches the Windows compiler.
set -euo pipefail
cd "$(dirname "$0")/.."

TOV_QT_WINDOWS=$(./scripts/build-qt-windows.sh | tail -n 1)
export TOV_QT_WINDOWS
headers=build/windows-headers
mkdir -p "$headers"
ln -sfn /usr/include/CLI "$headers/CLI"
ln -sfn /usr/include/nlohmann "$headers/nlohmann"
cmake --preset windows
cmake --build --preset windows
