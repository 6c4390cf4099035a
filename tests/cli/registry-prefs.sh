#!/bin/sh
# The Windows build keeps its preferences in the user's registry key: `prefs --tv-mode` writes
# the value there, Wine's own `reg query` reads it back, and `prefs` reads it again through
# the store. A value only the machine's key holds (an earlier version's, an administrator's)
# is read where the user's key has none, and the user's own value wins over it.
# Usage: registry-prefs.sh WINE_RUN PREFIX CLI
set -eu
run=$1
prefix=$2
cli=$3
path='Software\Microsoft\Windows\CurrentVersion\App Paths\Tov Brenn.exe'
fail() { printf 'registry-prefs.sh: %s\n' "$*" >&2; exit 1; }
unset TOVBRENN_PREFERENCES

"$run" "$prefix" reg delete "HKCU\\$path" /f >/dev/null 2>&1 || true
"$run" "$prefix" reg add "HKLM\\$path" /v model /t REG_DWORD /d 3 /f >/dev/null 2>&1
"$run" "$prefix" reg add "HKLM\\$path" /v TvMode /t REG_DWORD /d 7 /f >/dev/null 2>&1
shown=$("$run" "$prefix" "$cli" prefs | tr -d '\r')
printf '%s\n' "$shown" | grep -q '^model: 3 ' || fail "the machine's model is not read: $shown"
printf '%s\n' "$shown" | grep -Eq '^TvMode: 7( |$)' || fail "the machine's TvMode is not read: $shown"

"$run" "$prefix" "$cli" prefs --tv-mode 0 >/dev/null
"$run" "$prefix" "$cli" prefs --tv-mode 1 >/dev/null
stored=$("$run" "$prefix" reg query "HKCU\\$path" /v TvMode | tr -d '\r' | grep TvMode)
echo "$stored"
echo "$stored" | grep -Eq 'TvMode[[:space:]]+REG_DWORD[[:space:]]+0x0*1$' ||
    fail "TvMode is not 1 in the user's key"
shown=$("$run" "$prefix" "$cli" prefs | tr -d '\r')
printf '%s\n' "$shown" | grep -Eq '^TvMode: 1( |$)' || fail "prefs does not read TvMode 1 back: $shown"
printf '%s\n' "$shown" | grep -q '^model: 3 ' || fail "the machine's model is lost: $shown"
printf '%s\n' "$shown" | grep -q "kept in: HKEY_CURRENT_USER" || fail "not the user's key: $shown"
"$run" "$prefix" reg delete "HKLM\\$path" /f >/dev/null 2>&1
"$run" "$prefix" reg delete "HKCU\\$path" /f >/dev/null 2>&1
