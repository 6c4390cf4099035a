#!/usr/bin/env bash
# The tool against real card file systems: an exFAT image on a loop device mounted through
# exfat-fuse under /media/TOVCARD (found by `cards`, written by `--out card`, a backup kept,
# listed and restored byte for byte, a dry run that writes nothing, ejected; a batch's `card`
# line written, logged and ejected), and a FAT image mounted with fusefat that takes a write.
# Only loop devices made here from image files are touched; everything is unmounted and
# detached on any exit. Runs as root in a mount namespace of its own (a private /media);
# skipped with the reason (exit 77) where that, a loop device or FUSE is not allowed.
# Usage: real-card.sh CLI
set -uo pipefail
cli_binary=$1
# Every step is bounded on its own: a step that hangs fails the test here, with the clean-up
# below, instead of waiting for the test runner's kill, which skips it and leaves loop devices
# attached.
step_timeout=30
cli() { timeout "$step_timeout" "$cli_binary" "$@"; }
skip() { echo "SKIP: $*"; exit 77; }
[[ $(id -u) == 0 ]] || skip "needs root for loop devices and mounts"
for tool in losetup mkfs.exfat mount.exfat-fuse mkfs.fat fusefat unshare; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh installs it)"
done
[[ -e /dev/fuse ]] || skip "no /dev/fuse"
if [[ -z ${TOV_CARD_NS:-} ]]; then
    unshare -m true 2>/dev/null || skip "cannot make a mount namespace"
    TOV_CARD_NS=1 exec unshare -m --propagation private "$0" "$@"
fi

work=$(mktemp -d)
loops=() mounts=()
cleanup() {
    for m in "${mounts[@]}"; do
        mountpoint -q "$m" && { umount "$m" 2>/dev/null || umount -l "$m"; }
    done
    sleep 0.2  # the FUSE drivers let go of their devices after the unmount returns
    for l in "${loops[@]}"; do losetup -d "$l" 2>/dev/null; done
    mountpoint -q /media && umount -l /media
    rm -rf "$work"
}
trap cleanup EXIT
mount -t tmpfs -o size=1m tmpfs /media 2>/dev/null || skip "cannot mount a private /media"

# attach FILE SIZE: sets $loop to a loop device on a new image file (never an existing
# device), remembered for the clean-up. Not in a subshell, so that the list keeps it.
attach() {
    truncate -s "$2" "$1"
    loop=$(losetup --find --show "$1" 2>/dev/null) || return 1
    loops+=("$loop")
    [[ $(losetup -n -O BACK-FILE "$loop") == "$1" ]]
}

failures=0
check() {  # check NAME COMMAND...: the command must succeed
    local name=$1
    shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

export TOVBRENN_PREFERENCES=$work/prefs.ini TOVBRENN_BACKUPS=$work/backups
clock=(--clock "2026-12-01 12:00:00")

# --- exFAT through FUSE on a loop device
attach "$work/exfat.img" 64M || skip "cannot set up a loop device"
timeout "$step_timeout" mkfs.exfat -n TOVCARD "$loop" >/dev/null || skip "mkfs.exfat failed"
mkdir /media/TOVCARD
timeout "$step_timeout" mount.exfat-fuse "$loop" /media/TOVCARD 2>/dev/null || skip "cannot mount through FUSE"
mounts+=(/media/TOVCARD)

listing=$(cli cards --json)
card_entry() { grep -A4 '"mountPoint": "/media/TOVCARD"' <<<"$listing"; }
check "cards finds the card with its label" grep -q '"label": "TOVCARD"' <(card_entry)
check "cards reads exFAT from the volume, not fuseblk" grep -q '"fileSystem": "exFAT"' <(card_entry)

check "menu --out card writes the factory file" \
    cli menu --out card --model 4 --factory
cp /media/TOVCARD/menu.dat "$work/first.dat"
check "the card holds the factory record" grep -q "record: factory settings" \
    <(cli inspect /media/TOVCARD/menu.dat --model 4)

before=$(cksum </media/TOVCARD/menu.dat)
dry=$(cli menu --out card --model 4 --set videoLength=30 "${clock[@]}" --dry-run)
check "--dry-run names the changes" grep -q "would be replaced; .* settings changed" <<<"$dry"
check "--dry-run writes nothing" test "$before" == "$(cksum </media/TOVCARD/menu.dat)"
check "--dry-run keeps no backup" test -z "$(find "$work/backups" -name '*.dat' -print -quit)"

check "a second write with other settings" \
    cli menu --out card --model 4 --set videoLength=30 "${clock[@]}"
# Kept under the card's label and volume serial, owner-only.
serial=$(grep -o '"serial": "[0-9A-F-]*"' <(card_entry) | cut -d'"' -f4)
check "cards reads the volume serial" test -n "$serial"
id=$(cli backups | grep -o "TOVCARD_$serial/menu\.dat/[0-9_-]*" | head -n 1)
check "backups lists the replaced file" test -n "$id"
check "restore brings it back" cli restore "$id" --out card --model 4
check "byte for byte" cmp -s "$work/first.dat" /media/TOVCARD/menu.dat

check "eject /media/TOVCARD" cli eject /media/TOVCARD
check "the card is unmounted" bash -c '! grep -q " /media/TOVCARD " /proc/self/mountinfo'
check "backups are owner-only" test "$(stat -c %a "$work/backups" "$work/backups/TOVCARD_$serial" \
    "$work/backups/$id.dat" | tr '\n' ' ')" = "700 700 600 "
# The folder the card leaves behind is no card: nothing lands on the disk under it.
mkdir -p /media/TOVCARD
cli menu --out /media/TOVCARD --model 4 "${clock[@]}" >/dev/null 2>"$work/gone.txt"
check "a write after the eject fails with exit 1" test $? -eq 1
check "and says that no card is there" grep -q "no card is mounted there" "$work/gone.txt"
check "nothing in the bare mount folder" test -z "$(ls -A /media/TOVCARD)"

# --- batch: a `card` line waits for the card, writes it with the line's values and ejects it
sleep 0.2  # the FUSE driver lets go of the device after the unmount returns
timeout "$step_timeout" mount.exfat-fuse "$loop" /media/TOVCARD 2>/dev/null || skip "cannot mount the card again"
printf '{"format": 1, "model": "Tov 9030MG", "menu": {"videoLength": 30}}' >"$work/p.json"
printf 'destination,serialOn,serialChars\ncard,On,B123\n' >"$work/cards.csv"
check "batch writes the card line" cli batch --settings "$work/p.json" \
    --cards "$work/cards.csv" --log "$work/log.csv" "${clock[@]}"
check "batch ejected the card" bash -c '! grep -q " /media/TOVCARD " /proc/self/mountinfo'
check "the log names the card" grep -q '^card,TOVCARD,menu.dat,written,' "$work/log.csv"
mkdir "$work/same"
cli write --settings "$work/p.json" --set serialOn=On --set serialChars=B123 \
    --out "$work/same" "${clock[@]}" >/dev/null
sleep 0.2
timeout "$step_timeout" mount.exfat-fuse "$loop" /media/TOVCARD 2>/dev/null || skip "cannot mount the card again"
check "the card holds the line's values" cmp -s "$work/same/menu.dat" /media/TOVCARD/menu.dat
umount /media/TOVCARD

# --- FAT16 through fusefat: its descriptors opened before a rename read zeros afterwards
attach "$work/fat.img" 32M || skip "cannot set up a second loop device"
timeout "$step_timeout" mkfs.fat -n TOVFAT "$loop" >/dev/null || skip "mkfs.fat failed"
mkdir /media/TOVFAT
timeout "$step_timeout" fusefat -o rw+ "$loop" /media/TOVFAT 2>/dev/null || skip "cannot mount with fusefat"
mounts+=(/media/TOVFAT)
mkdir "$work/plain"
cli menu --out "$work/plain" --model 4 --set videoLength=30 "${clock[@]}" >/dev/null
check "a write to fusefat succeeds" \
    cli menu --out /media/TOVFAT --model 4 --set videoLength=30 "${clock[@]}"
check "a rewrite to fusefat succeeds" \
    cli menu --out /media/TOVFAT --model 4 --set videoLength=30 "${clock[@]}"
umount /media/TOVFAT
timeout "$step_timeout" fusefat -o ro "$loop" /media/TOVFAT 2>/dev/null
check "the file on the FAT card is right after a new mount" \
    cmp -s "$work/plain/menu.dat" /media/TOVFAT/menu.dat

echo "$failures failed"
[[ $failures == 0 ]]
