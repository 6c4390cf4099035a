#!/usr/bin/env bash
# Runs atspi-names.py in a private D-Bus session on a virtual X server, so that the check meets
# the windows as a screen reader does. Exits 77 (skipped) with the reason when a piece is missing.
# Usage: tests/app/atspi-names.sh TOVBRENN [--report]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for tool in xvfb-run dbus-run-session /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
if [ ! -x /usr/libexec/at-spi-bus-launcher ] && ! command -v at-spi-bus-launcher >/dev/null; then
    echo "SKIP: at-spi2-core is missing (scripts/install-deps.sh installs it)"
    exit 77
fi
# The system python, which has pyatspi (a python of another installation may not). A virtual X
# server that another run took first is tried again.
for attempt in 1 2 3; do
    xvfb-run -a -s "-screen 0 1366x768x24" \
        dbus-run-session -- /usr/bin/python3 "$here/atspi-names.py" "$@"
    rc=$?
    [ "$rc" -ne 77 ] && exit "$rc"
    sleep "$attempt"
done
exit 77
