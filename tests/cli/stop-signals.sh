#!/usr/bin/env bash
# A batch stopped by SIGINT, SIGTERM or SIGHUP finishes the card it is writing, leaves no
# temporary file in any folder and a log with a row for every card it finished; a closed
# output (SIGPIPE, `| head -1`) stops nothing. Each batch writes folder rows, slowed by a
# large number of rows, and is signalled while it runs.
# Usage: stop-signals.sh CLI
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TOVBRENN_PREFERENCES=$work/prefs.ini TOVBRENN_BACKUPS=$work/backups
failures=0
check() {  # check NAME COMMAND...: the command must succeed
    local name=$1
    shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

rows=400
printf '{"format": 1, "model": "Tov 9030MG", "menu": {"videoLength": 30},
  "smtp": {"mode": "Manual", "apn": "internet", "smtpServer": "smtp.example.com",
           "port": "25", "senderEmail": "cam@example.com", "senderPassword": "pw-secret",
           "recipientEmail": "me@example.com"}}' >"$work/p.json"
{
    echo destination
    for ((n = 1; n <= rows; n++)); do echo "$work/cards/$n"; mkdir -p "$work/cards/$n"; done
} >"$work/cards.csv"

for signal in INT TERM HUP; do
    rm -rf "$work/cards"/*/* "$work/cards"/*/.??* "$work/log.csv" "$work/out.txt"
    "$cli" batch --settings "$work/p.json" --cards "$work/cards.csv" --log "$work/log.csv" \
        --clock "2026-12-01 12:00:00" >"$work/out.txt" 2>&1 &
    pid=$!
    # Signalled once the first cards are written.
    for ((i = 0; i < 200; i++)); do
        [[ $(grep -c ': written' "$work/out.txt" 2>/dev/null) -ge 3 ]] && break
        sleep 0.02
    done
    kill -s "$signal" "$pid"
    wait "$pid"
    code=$?
    check "SIG$signal: the batch ends with exit 1 (gave $code)" test "$code" -eq 1
    check "SIG$signal: no temporary file is left" \
        test -z "$(find "$work/cards" -name '.*.dat.*' -print -quit)"
    finished=$(grep -c ': written$' "$work/out.txt")
    check "SIG$signal: stopped before the end" test "$finished" -lt "$rows"
    check "SIG$signal: a log row for every card written" \
        test "$(grep -c ',written,' "$work/log.csv")" -eq "$finished"
    check "SIG$signal: the rest are logged as stopped" \
        test "$(grep -c ',stopped,' "$work/log.csv")" -eq $((rows - finished))
    # Every card written holds both files: none was left half done.
    half=0
    for ((n = 1; n <= rows; n++)); do
        [[ -e $work/cards/$n/menu.dat && ! -e $work/cards/$n/smtp.dat ]] && half=$((half + 1))
    done
    check "SIG$signal: no card with menu.dat and without smtp.dat" test "$half" -eq 0
done

rm -rf "$work/cards"/*/* "$work/log.csv"
"$cli" batch --settings "$work/p.json" --cards "$work/cards.csv" --log "$work/log.csv" \
    --clock "2026-12-01 12:00:00" 2>/dev/null | head -n 1 >/dev/null
check "SIGPIPE: a closed output stops nothing" \
    test "$(grep -c ',written,' "$work/log.csv")" -eq "$rows"

echo "$failures failed"
[[ $failures == 0 ]]
