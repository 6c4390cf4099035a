#!/usr/bin/env bash
# The fault matrix: the real tool against failing media and inputs that are no regular file or
# fail to read, for each of the three files it writes. Each case checks the exit code, the
# message and, for a card, that the previous files are unchanged byte for byte and no temporary
# file is left. Cases that need rights this machine does not give are skipped with the reason.
# Usage: fault-matrix.sh CLI STAT_SHIM
set -uo pipefail
cli=$1 shim=$2
# As root, in a mount namespace of its own: the test file systems vanish with it.
if [[ $(id -u) == 0 && -z ${TOV_FAULT_NS:-} ]] && unshare -m true 2>/dev/null; then
    TOV_FAULT_NS=1 exec unshare -m --propagation private "$0" "$@"
fi
work=$(mktemp -d)
trap 'kill $swapper 2>/dev/null; umount -q "$work"/* 2>/dev/null; chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
export TOVBRENN_PREFERENCES=$work/never-created.ini
# Backups of replaced files go here (any user may write: the unprivileged runs keep theirs).
export TOVBRENN_BACKUPS=$work/backups
mkdir -m 1777 "$TOVBRENN_BACKUPS"
# as: a command that runs the tool as another user; wrap: one that runs it in other conditions
failures=0 as=() wrap=() swapper=
umask 022

# The three writing commands, each up to its --out, and the file each writes.
files=(menu.dat setup.dat smtp.dat)
command_for() {
    case $1 in
    menu.dat) printf '%s\n' menu --clock "2020-01-01 00:00:00" --out ;;
    setup.dat) printf '%s\n' mms --model 4 --set mode=Manual --set url=http://mms.example/ \
        --set apn=mms --set gateway=10.0.0.1 --set port=8080 --set phone1=07700900123 --out ;;
    smtp.dat) printf '%s\n' smtp --model 4 --set smtpServer=smtp.example.com --set port=465 \
        --set senderEmail=cam01@example.com --set senderPassword=pw-123 \
        --set recipientEmail=me@example.org --out ;;
    esac
}

# state CARD: its entries and the bytes of every file in it.
state() { ls -A "$1" && for f in "$1"/*.dat; do [[ -f $f ]] && od -c "$f"; done 2>/dev/null; }

# run NAME CODE REGEX CARD [VAR=VALUE...] -- ARGS...
run() {
    local name=$1 code=$2 regex=$3 card=$4 env=() before after output got failed=$failures
    shift 4
    while [[ $1 != -- ]]; do env+=("$1"); shift; done
    shift
    [[ -n $card ]] && before=$(state "$card")
    output=$(env "${env[@]}" timeout 10 "${as[@]}" "${wrap[@]}" "$cli" "$@" 2>&1)
    got=$?
    [[ $got == "$code" && $output =~ $regex ]] || echo "FAIL $name: exit $got: $output"
    [[ -n $card ]] && after=$(state "$card")
    [[ ${before-} == "${after-}" ]] || echo "FAIL $name: the folder or its files changed"
    [[ $got == "$code" && $output =~ $regex && ${before-} == "${after-}" ]] || failures=$((failures + 1))
    [[ $failed == "$failures" ]] && echo "ok   $name"
}

# check NAME CONDITION...: a case judged by a test of its own.
check() {
    local name=$1
    shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

# writes FILE DIR [ARGS...]: the tool writes FILE into DIR.
writes() {
    local file=$1 dir=$2
    shift 2
    mapfile -t c < <(command_for "$file")
    "${as[@]}" "$cli" "${c[@]}" "$dir" "$@"
}

# card NAME [TMPFS OPTIONS]: a folder with all three previous files, on a tmpfs of its own if asked.
card() {
    mkdir -p "$work/$1"
    [[ -z ${2:-} ]] || mount -t tmpfs -o "$2" tmpfs "$work/$1" 2>/dev/null || return 1
    for f in "${files[@]}"; do writes "$f" "$work/$1" >/dev/null || return 1; done
    echo "$work/$1"
}

kept='The previous file was left unchanged'
if dir=$(card full size=64k); then
    dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null
    for f in "${files[@]}"; do
        mapfile -t c < <(command_for "$f")
        run "full card, $f" 1 "No space left on device.*$kept" "$dir" -- "${c[@]}" "$dir"
    done
else
    echo "SKIP full card: cannot mount a small tmpfs (needs root and a mount namespace)"
fi
if dir=$(card read-only size=64k) && mount -o remount,ro "$dir" 2>/dev/null; then
    for f in "${files[@]}"; do
        mapfile -t c < <(command_for "$f")
        run "read-only card, $f" 1 "Read-only file system.*$kept" "$dir" -- "${c[@]}" "$dir"
    done
else
    echo "SKIP read-only card: cannot mount a tmpfs read-only (needs root and a mount namespace)"
fi
dir=$(card plain)
for f in "${files[@]}"; do
    mapfile -t c < <(command_for "$f")
    # Nothing stood at the target: no word of a previous file.
    run "folder that is a file, $f" 1 "$f/$f: Not a directory$" "$dir" -- "${c[@]}" "$dir/$f"
    mkdir -p "$work/folder/$f"
    run "$f that is a folder" 2 "only regular files are replaced$" "$work/folder" -- "${c[@]}" "$work/folder"

    # A file-size limit: the write fails with EFBIG instead of the signal ending the run,
    # whatever the caller did with the signal.
    wrap=(bash -c 'ulimit -f 0 && exec env --default-signal=XFSZ "$@"' -)
    run "file-size limit, $f" 1 "File too large.*$kept" "$dir" -- "${c[@]}" "$dir"
    wrap=()

    # Permissions: an owner-only file stays so, a read-only one is refused unless --force.
    modes=$(card "modes-$f")
    chmod 0600 "$modes/$f"
    writes "$f" "$modes" >/dev/null
    check "owner-only $f stays 0600" test "$(stat -c %a "$modes/$f")" = 600
    chmod 0444 "$modes/$f"
    run "read-only $f" 1 "$kept.*--force replaces a read-only file" "$modes" -- "${c[@]}" "$modes"
    writes "$f" "$modes" --force >/dev/null
    # A file holding passwords loses what others could read; menu.dat keeps its mode whole.
    expected=444 && [ "$f" = menu.dat ] || expected=400
    check "read-only $f replaced with --force: $expected" test "$(stat -c %a "$modes/$f")" = "$expected"
done
fresh=$work/fresh && mkdir -p "$fresh" && for f in "${files[@]}"; do writes "$f" "$fresh" >/dev/null; done
check "new files: passwords owner-only, menu.dat as umask 022 gives" \
    test "$(stat -c %a "$fresh/menu.dat" "$fresh/setup.dat" "$fresh/smtp.dat" | tr '\n' ' ')" = "644 600 600 "

# As an unprivileged user: a folder without write permission, a file without read permission.
locked=$(card locked)
cp "$locked/menu.dat" "$work/unreadable.dat"
chmod a-w "$locked" && chmod a+rx "$work" && chmod a-r "$work/unreadable.dat"
[[ $(id -u) == 0 ]] && as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [[ $(id -u) != 0 ]] || command -v setpriv >/dev/null; then
    for f in "${files[@]}"; do
        mapfile -t c < <(command_for "$f")
        run "folder without write permission, $f" 1 "Permission denied.*$kept" "$locked" -- "${c[@]}" "$locked"
    done
    run "inspect an unreadable file" 2 "unreadable\.dat: Permission denied" "" -- inspect "$work/unreadable.dat"
    mkdir -p "$work/closed" && cp "$locked/smtp.dat" "$work/closed/" && chmod 0600 "$work/closed"
    run "inspect a folder it may not enter" 2 "smtp\.dat: Permission denied" "" -- inspect "$work/closed"
else
    echo "SKIP unwritable and unreadable: root without setpriv to drop the superuser's rights"
fi
as=()

# Inputs for inspect and for each command's --settings, which must write nothing.
mkfifo "$work/fifo"
while IFS='|' read -r name path code regex settings; do
    run "inspect $name" "$code" "$regex" "" -- inspect "$path"
    for f in "${files[@]}"; do
        mapfile -t c < <(command_for "$f")
        run "settings for $f from $name" 2 "--settings: .*${settings:-$regex}" "$dir" \
            -- "${c[@]}" "$dir" --settings "$path"
    done
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

# A folder whose entries are links to itself or to themselves ends with each one's reason.
loops=$work/loops && mkdir -p "$loops"
ln -s . "$loops/menu.dat" && ln -s . "$loops/setup.dat" && ln -s smtp.dat "$loops/smtp.dat"
run "inspect a folder of link loops" 2 \
    "menu\.dat: it is a folder.*setup\.dat: it is a folder.*smtp\.dat: Too many levels of symbolic links" \
    "" -- inspect "$loops"

# A file swapped for a named pipe again and again while it is read: never a hang.
swap=$work/swap && mkdir -p "$swap"
cp "$dir/smtp.dat" "$swap/file" && mkfifo "$swap/pipe"
(while :; do ln -f "$swap/file" "$swap/a" && mv -f "$swap/a" "$swap/smtp.dat"
    mkfifo "$swap/b" 2>/dev/null; mv -f "$swap/b" "$swap/smtp.dat"; done) 2>/dev/null &
swapper=$!
runs=${TOV_FIFO_RUNS:-500} hung=0 odd=0
for ((i = 0; i < runs; i++)); do
    if ((i % 2)); then
        timeout 5 "$cli" inspect "$swap/smtp.dat" >/dev/null 2>&1
    else
        timeout 5 "$cli" menu --out "$swap" --settings "$swap/smtp.dat" >/dev/null 2>&1
    fi
    case $? in 124) hung=$((hung + 1)) ;; 0 | 2 | 3 | 4) ;; *) odd=$((odd + 1)) ;; esac
done
kill $swapper 2>/dev/null
wait $swapper 2>/dev/null
swapper=
check "a file swapped for a pipe: $runs runs, $hung hung, $odd other exits" test $((hung + odd)) = 0

echo "$failures failed"
exit $((failures > 0))
