#!/usr/bin/env bash
# Builds the Qt the Windows programs link: qtbase from Debian's source of the host's own Qt
# version, cross-compiled with mingw-w64 (POSIX threads), static, with only the modules and
# plugins the programs use. The result is kept in a cache outside the build tree and reused.
# Usage: scripts/build-qt-windows.sh   (prints the prefix on its last line)
set -euo pipefail

version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+-].*//')
cache=${TOV_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tovbrenn}
prefix=$cache/qt-$version-mingw
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/qt-$version-src
mkdir -p "$work"
cd "$work"
if [ ! -d qtbase ]; then
    # Debian's source lists ship binary entries only: add the source entries of the same suites.
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
        ! grep -qs '^deb-src' /etc/apt/sources.list; then
        sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee /etc/apt/sources.list.d/tovbrenn-src.sources >/dev/null
        $sudo apt-get update -qq
    fi
    rm -rf src && mkdir src && (cd src && apt-get source -qq --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    tarball=$(ls src/qt6-base_*.orig.tar.* | head -n 1)
    mkdir qtbase && tar -xf "$tarball" -C qtbase --strip-components=1
fi

# Static, release, bundled third-party libraries; no OpenGL, network, SQL, D-Bus or printing.
# The tablet header is missing from Debian's source, so tablet events are off; dynamic GL off
# keeps the windows plugin's GL code out with OpenGL.
rm -rf build
cmake -S qtbase -B build -G Ninja \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=x86_64 \
    -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
    -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres \
    -DCMAKE_FIND_ROOT_PATH=/usr/x86_64-w64-mingw32 \
    -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER \
    -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
    -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_icu=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_sqlite=OFF
cmake --build build --parallel "$(nproc)"
cmake --install build
touch "$prefix/.complete"
echo "$prefix"
