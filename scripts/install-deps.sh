#!/usr/bin/env bash
# Installs the Debian packages a build needs, if any is missing.
#   install-deps.sh           the build, the tests and the screenshots
#   install-deps.sh windows   the Windows cross build of the core and Wine to run its tests
set -euo pipefail

case "${1:-}" in
    "")
        packages=(
            cmake ninja-build g++ make pkg-config clang-format
            qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
            libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
            fonts-noto-cjk xvfb xauth
        )
        ;;
    windows)
        # googletest: the sources under /usr/src/googletest, compiled for Windows by the build.
        packages=(cmake ninja-build make g++-mingw-w64-x86-64-posix googletest wine wine64)
        ;;
    *)
        echo "usage: $0 [windows]" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
