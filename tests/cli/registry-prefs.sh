#!/bin/sh
# The Windows build keeps its preferences in the registry: `prefs --tv-mode` writes the value
# there, Wine's own `reg query` reads it back, and `prefs` reads it again through the store.
# Usage: registry-prefs.sh WINE_RUN PREFIX CLI
set -eu
run=$1
prefix=$2
cli=$3
key='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Tov Brenn.exe'
unset TOVBRENN_PREFERENCES

"$run" "$prefix" "$cli" prefs --tv-mode 1 >/dev/null
"$run" "$prefix" "$cli" prefs --tv-mode 0 >/dev/null
"$run" "$prefix" "$cli" prefs --tv-mode 1 >/dev/null
stored=$("$run" "$prefix" reg query "$key" /v TvMode | tr -d '\r' | grep TvMode)
echo "$stored"
echo "$stored" | grep -Eq 'TvMode[[:space:]]+REG_DWORD[[:space:]]+0x0*1$' ||
    { echo "registry-prefs.sh: TvMode is not 1 in $key" >&2; exit 1; }
"$run" "$prefix" "$cli" prefs | tr -d '\r' | grep -q '^TvMode: 1' ||
    { echo "registry-prefs.sh: prefs does not read TvMode 1 back" >&2; exit 1; }
