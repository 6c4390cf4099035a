#!/usr/bin/env bash
# The fault matrix: the real command-line tool against failing media and inputs that are no
# regular file. For each case: the exit code, the message, the previous file byte for byte
# and no temporary file left. Cases that need rights this machine does not give are skipped
# with the reason. Usage: fault-matrix.sh CLI GROWING_STAT_SHIM
set -uo pipefail
cli=$1
shim=$2

# As root, run in a mount namespace of our own so that the test file systems vanish with it.
if [[ $(id -u) == 0 && -z ${TOV_FAULT_NS:-} ]] && unshare -m true 2>/dev/null; then
    TOV_FAULT_NS=1 exec unshare -m --propagation private "$0" "$@"
fi

work=$(mktemp -d)
trap 'umount -q "$work"/*/ 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT
export TOVBRENN_PREFERENCES=$work/never-created.ini
failures=0
as=()  # a command that runs the tool as another user

skip() { echo "SKIP $1: $2"; }
fail() { echo "FAIL $1: $2"; failures=$((failures + 1)); }

# run NAME CODE REGEX CARD [ENV...] -- ARGS...: runs the tool (10 s at most), checks the exit
# code and that stdout and stderr together match REGEX; with CARD, that the folder holds
# nothing but what it held before (no temporary file) and its menu.dat is unchanged.
run() {
    local name=$1 code=$2 regex=$3 card=$4
    shift 4
    local env=()
    while [[ $1 != -- ]]; do env+=("$1"); shift; done
    shift
    local before=() snapshot=$work/snapshot
    if [[ -n $card ]]; then
        mapfile -t before < <(ls -A "$card")
        rm -f "$snapshot"; [[ -f $card/menu.dat ]] && cp "$card/menu.dat" "$snapshot"
    fi
    local output got failed=$failures
    output=$(env "${env[@]}" timeout 10 "${as[@]}" "$cli" "$@" 2>&1)
    got=$?
    [[ $got == "$code" ]] || fail "$name" "exit code $got, expected $code: $output"
    [[ $output =~ $regex ]] || fail "$name" "output does not match /$regex/: $output"
    if [[ -n $card ]]; then
        local after=()
        mapfile -t after < <(ls -A "$card")
        [[ ${after[*]} == "${before[*]}" ]] || fail "$name" "folder ${before[*]} became ${after[*]}"
        if [[ -f $snapshot ]] && ! cmp -s "$snapshot" "$card/menu.dat"; then
            fail "$name" "the previous menu.dat changed"
        fi
    fi
    [[ $failed == "$failures" ]] && echo "ok   $name"
}

# A folder with a previous menu.dat, on a file system of its own when the machine allows.
card() {
    local dir=$work/$1
    mkdir -p "$dir"
    if [[ -n ${2:-} ]] && ! mount -t tmpfs -o "$2" tmpfs "$dir" 2>/dev/null; then
        return 1
    fi
    "$cli" menu --out "$dir" --factory >/dev/null || return 1
    echo "$dir"
}

kept='The previous file was left unchanged'
menu=(menu --clock "2020-01-01 00:00:00" --set videoLength=30 --out)

if dir=$(card full size=64k); then
    dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null
    run "full card" 1 "No space left on device.*$kept" "$dir" -- "${menu[@]}" "$dir"
else
    skip "full card" "cannot mount a small tmpfs (needs root and a mount namespace)"
fi

if dir=$(card read-only size=64k) && mount -o remount,ro "$dir" 2>/dev/null; then
    run "read-only card" 1 "Read-only file system.*$kept" "$dir" -- "${menu[@]}" "$dir"
else
    skip "read-only card" "cannot mount a tmpfs read-only (needs root and a mount namespace)"
fi

dir=$(card plain)
# Nothing stood at the target: the message must not claim a previous file was kept.
run "folder that is a file" 1 "menu\.dat/menu\.dat: Not a directory$" "$dir" \
    -- "${menu[@]}" "$dir/menu.dat"
mkdir -p "$work/dir-target/menu.dat"
run "menu.dat that is a folder" 1 "Is a directory$" "$work/dir-target" \
    -- "${menu[@]}" "$work/dir-target"

dir=$(card locked)
chmod a-w "$dir"
if [[ $(id -u) != 0 ]]; then
    run "folder without write permission" 1 "Permission denied.*$kept" "$dir" -- "${menu[@]}" "$dir"
elif command -v setpriv >/dev/null; then
    chmod a+rx "$work"
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    run "folder without write permission" 1 "Permission denied.*$kept" "$dir" -- "${menu[@]}" "$dir"
    as=()
else
    skip "folder without write permission" "root without setpriv to drop the superuser's rights"
fi

mkfifo "$work/fifo"
run "inspect a named pipe" 2 "fifo: it is not a regular file" "" -- inspect "$work/fifo"
run "settings from a named pipe" 2 "it is not a regular file" "$dir" \
    -- menu --out "$dir" --settings "$work/fifo"
run "inspect a file with read errors" 2 "/proc/self/mem: Input/output error" "" \
    -- inspect /proc/self/mem
run "settings with read errors" 2 "Input/output error" "$dir" \
    -- menu --out "$dir" --settings /proc/self/mem

# A file whose size, asked first, is larger than what its read then gives.
cp "$work/plain/menu.dat" "$work/shrinking.dat"
run "inspect a file that shrinks" 0 "result: valid" "" \
    LD_PRELOAD="$shim" TOV_GROW_PATH="$work/shrinking.dat" ASAN_OPTIONS=verify_asan_link_order=0 \
    -- inspect "$work/shrinking.dat"

echo "$failures failed"
[[ $failures == 0 ]]
