#!/bin/sh
# Runs a Windows console program under Wine for CTest and returns its exit code.
# Usage: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# PREFIX is a Wine prefix of the build's own, made on first use. No display is needed: the
# programs are console programs, and Wine's own messages are silenced so that test output
# stays readable.
set -eu

prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# Wine keeps the host's QT_ variables from Windows programs (they are meant for the host's Qt)
# and hands on WINEQT_ ones as QT_: the tests' own (QT_QPA_PLATFORM=offscreen) go that way.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done
# The offscreen platform of a Windows Qt takes its fonts from one folder (none is found by
# default): the host's DejaVu Sans and Noto Sans CJK, as the Linux tests measure text with.
fonts="$prefix-fonts"
if [ ! -d "$fonts" ]; then
    # Made aside and renamed into place, so that tests started at once never see it half made.
    made=$(mktemp -d "$fonts.XXXXXX")
    for font in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
        /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
        /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc \
        /usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc; do
        [ ! -f "$font" ] || ln -s "$font" "$made/"
    done
    mv -T "$made" "$fonts" 2>/dev/null || rm -rf "$made"
fi
[ -n "${QT_QPA_FONTDIR:-}" ] || export WINEQT_QPA_FONTDIR="Z:$fonts"
# Qt logs (and QtTest reports) to the debugger, not to output that is no console, unless told.
export WINEQT_FORCE_STDERR_LOGGING=1

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    # Tests start in parallel: one of them makes the prefix, the others wait for it.
    flock "$prefix.lock" sh -c \
        '[ -f "$WINEPREFIX/system.reg" ] || wine wineboot --init >"$WINEPREFIX.log" 2>&1' ||
        { echo "wine-run.sh: could not make the Wine prefix $prefix (see $prefix.log)" >&2; exit 1; }
fi

# CTest waits until every holder of a test's output has closed it. Wine's server and its
# background processes, started by the first program of a run, linger for seconds after it;
# so a no-op started apart from the output starts them first (or finds them running).
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true

exec wine "$@"
