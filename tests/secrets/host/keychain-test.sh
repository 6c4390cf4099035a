#!/bin/sh
# The keychain probe against a real Secret Service: gnome-keyring-daemon on a private D-Bus
# session (a fresh login keyring, made and unlocked with a throwaway password: with an empty
# one the daemon makes none and storing waits for a prompt), never the user's own. With
# "absent", against a session bus that has no keychain and cannot start one.
# Exits 77 (skipped) with the reason when the tools are missing or the daemon cannot run.
set -u
probe=$1
mode=$2
for tool in dbus-run-session dbus-daemon gnome-keyring-daemon; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (scripts/install-deps.sh)"
        exit 77
    fi
done
home=$(mktemp -d) || exit 1
trap 'rm -rf "$home"' EXIT
# The keyring files go into a fresh home; no desktop is named, so no other backend is chosen.
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
export XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION

if [ "$mode" = absent ]; then
    # A bus of our own with no service folders: nothing can be activated on it.
    cat >"$home/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$home/run</listen>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONF
    exec dbus-run-session --config-file="$home/bus.conf" -- "$probe" absent
fi

exec dbus-run-session -- sh -c '
    if ! printf "throwaway" | gnome-keyring-daemon --unlock --components=secrets >/dev/null 2>&1; then
        echo "skipped: gnome-keyring-daemon cannot start here"
        exit 77
    fi
    # Wait for the Secret Service name to appear on the bus (the daemon forks).
    n=0
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
            grep -q "boolean true"; do
        n=$((n + 1))
        if [ $n -ge 50 ]; then
            echo "skipped: the Secret Service did not appear on the bus"
            exit 77
        fi
        sleep 0.1
    done
    exec "$0" present
' "$probe"
