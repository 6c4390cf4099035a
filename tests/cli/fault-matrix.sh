#!/usr/bin/env bash
# The fault matrix: the real tool against failing media and inputs that are no regular file or
# fail to read. Each case checks the exit code, the message and, for a card, that the previous
# menu.dat is unchanged byte for byte and no temporary file is left. Cases that need rights
# this machine does not give are skipped with the reason. Usage: fault-matrix.sh CLI STAT_SHIM
set -uo pipefail
cli=$1 shim=$2
# As root, in a mount namespace of its own: the test file systems vanish with it.
if [[ $(id -u) == 0 && -z ${TOV_FAULT_NS:-} ]] && unshare -m true 2>/dev/null; then
    TOV_FAULT_NS=1 exec unshare -m --propagation private "$0" "$@"
fi
work=$(mktemp -d)
trap 'umount -q "$work"/* 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT
export TOVBRENN_PREFERENCES=$work/never-created.ini
# Backups of replaced files go here (any user may write: the unprivileged runs keep theirs).
export TOVBRENN_BACKUPS=$work/backups
mkdir -m 1777 "$TOVBRENN_BACKUPS"
failures=0 as=()  # as: a command that runs the tool as another user

# run NAME CODE REGEX CARD [VAR=VALUE...] -- ARGS...
run() {
    local name=$1 code=$2 regex=$3 card=$4 env=() before after output got failed=$failures
    shift 4
    while [[ $1 != -- ]]; do env+=("$1"); shift; done
    shift
    [[ -n $card ]] && before=$(ls -A "$card" && cat "$card/menu.dat" 2>/dev/null | od -c)
    output=$(env "${env[@]}" timeout 10 "${as[@]}" "$cli" "$@" 2>&1)
    got=$?
    [[ $got == "$code" && $output =~ $regex ]] || echo "FAIL $name: exit $got: $output"
    [[ -n $card ]] && after=$(ls -A "$card" && cat "$card/menu.dat" 2>/dev/null | od -c)
    [[ ${before-} == "${after-}" ]] || echo "FAIL $name: the folder or its menu.dat changed"
    [[ $got == "$code" && $output =~ $regex && ${before-} == "${after-}" ]] || failures=$((failures + 1))
    [[ $failed == "$failures" ]] && echo "ok   $name"
}

# card NAME [TMPFS OPTIONS]: a folder with a previous menu.dat, on a tmpfs of its own if asked.
card() {
    mkdir -p "$work/$1"
    [[ -z ${2:-} ]] || mount -t tmpfs -o "$2" tmpfs "$work/$1" 2>/dev/null || return 1
    "$cli" menu --out "$work/$1" --factory >/dev/null && echo "$work/$1"
}

kept='The previous file was left unchanged'
menu=(menu --clock "2020-01-01 00:00:00" --out)
if dir=$(card full size=64k); then
    dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null
    run "full card" 1 "No space left on device.*$kept" "$dir" -- "${menu[@]}" "$dir"
else
    echo "SKIP full card: cannot mount a small tmpfs (needs root and a mount namespace)"
fi
if dir=$(card read-only size=64k) && mount -o remount,ro "$dir" 2>/dev/null; then
    run "read-only card" 1 "Read-only file system.*$kept" "$dir" -- "${menu[@]}" "$dir"
else
    echo "SKIP read-only card: cannot mount a tmpfs read-only (needs root and a mount namespace)"
fi
dir=$(card plain)
# Nothing stood at the target: no word of a previous file.
run "folder that is a file" 1 "menu\.dat/menu\.dat: Not a directory$" "$dir" -- "${menu[@]}" "$dir/menu.dat"
mkdir -p "$work/folder/menu.dat"
run "menu.dat that is a folder" 1 ": Is a directory$" "$work/folder" -- "${menu[@]}" "$work/folder"

# As an unprivileged user: a folder without write permission, a file without read permission.
locked=$(card locked)
cp "$locked/menu.dat" "$work/unreadable.dat"
chmod a-w "$locked" && chmod a+rx "$work" && chmod a-r "$work/unreadable.dat"
[[ $(id -u) == 0 ]] && as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [[ $(id -u) != 0 ]] || command -v setpriv >/dev/null; then
    run "folder without write permission" 1 "Permission denied.*$kept" "$locked" -- "${menu[@]}" "$locked"
    run "inspect an unreadable file" 2 "unreadable\.dat: Permission denied" "" -- inspect "$work/unreadable.dat"
else
    echo "SKIP unwritable and unreadable: root without setpriv to drop the superuser's rights"
fi
as=()

# Inputs for inspect and for menu --settings, which must write nothing.
mkfifo "$work/fifo"
while IFS='|' read -r name path code regex settings; do
    run "inspect $name" "$code" "$regex" "" -- inspect "$path"
    run "settings from $name" 2 "--settings: .*${settings:-$regex}" "$dir" \
        -- menu --out "$dir" --settings "$path"
done <<EOF
a missing file|$work/absent|2|absent: No such file or directory|
a named pipe|$work/fifo|2|fifo: it is not a regular file|
a device|/dev/null|2|null: it is not a regular file|
a file with read errors|/proc/self/mem|2|mem: Input/output error|
a procfs file over the limit|/proc/self/pagemap|3|size is more than 1048576 bytes|is too large
EOF
# A file whose size, asked first, is larger than what its read then gives.
cp "$dir/menu.dat" "$work/shrinking.dat"
run "inspect a file that shrinks" 0 "result: valid" "" LD_PRELOAD="$shim" \
    TOV_GROW_PATH="$work/shrinking.dat" ASAN_OPTIONS=verify_asan_link_order=0 \
    -- inspect "$work/shrinking.dat"

echo "$failures failed"
exit $((failures > 0))
