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
