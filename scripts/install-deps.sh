#!/usr/bin/env bash
# Installs the Debian packages a task needs, if any is missing.
# Usage: scripts/install-deps.sh [build|package|bench|fuzz|windows]
#   build (default): the build, the tests (the accessibility bus check among them) and the
#            screenshots
#   package: also what `make package` needs (dpkg-shlibdeps, help2man, the AppStream and
#            desktop entry checkers)
#   bench: also what `make bench` needs (Google Benchmark, a virtual X server)
#   fuzz: also what `make fuzz` needs (clang and its libFuzzer runtime)
#   windows: also the Windows cross build (mingw-w64, the Qt source's unpacking tools), Wine to
#            run its tests and NSIS for its installer
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
    fonts-noto-cjk xvfb xauth
    at-spi2-core python3-pyatspi dbus-daemon dbus-bin
    # the real-card test: exFAT and FAT images on loop devices, mounted through FUSE
    exfatprogs exfat-fuse fusefat dosfstools fuse3
    # the eject test: a mock UDisks2 on a private bus
    python3-dbusmock
    # the keychain for the passwords of the last written settings, and its test: a Secret
    # Service (libsecret, which QtKeychain loads) on a private bus
    qtkeychain-qt6-dev libsecret-1-0 gnome-keyring
)
case "${1:-build}" in
    build) ;;
    package) packages+=(dpkg-dev file help2man appstream desktop-file-utils) ;;
    bench) packages+=(libbenchmark-dev) ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    windows)
        # googletest: the sources under /usr/src/googletest, compiled for Windows by the build.
        # The host's Qt gives the cross build its tools (moc, uic, rcc) and the version whose
        # source is built for Windows; dpkg-dev unpacks that source.
        # locales: Wine takes the system's code page and language from the host's locale.
        packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64 dpkg-dev nsis locales
            fonts-dejavu-core)
        ;;
    *)
        echo "usage: $0 [build|package|bench|fuzz|windows]" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows tests run Wine in English (code page 1252) and in Chinese (936, the Chinese
# system language): both locales must exist on the host.
if [ "${1:-build}" = windows ]; then
    for name in en_US zh_CN; do
        locale -a | grep -qx "$name.utf8" || $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
    done
fi
