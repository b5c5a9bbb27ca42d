#!/usr/bin/env bash
# Access keys under Wine, with real key presses: Alt and the letter a button's caption
# marks click that button, the letter small or capital; the key of a disabled button,
# a letter no caption marks and the marked letter without Alt click nothing.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_start_desktop
win_prefix

"$WIN_LOADER" "$E2E_BUILD/lumio_access_keys.exe" >"$E2E_WORK/clicks" 2>"$E2E_WORK/keys.err" &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name '^lumio-access-keys$' ||
    { e2e_fail "no window with access keys"; e2e_finish; }
window="$(xdotool search --onlyvisible --name '^lumio-access-keys$' | head -n1)"
xdotool windowactivate --sync "$window" 2>/dev/null
sleep 0.5
e2e_shot access-keys

# KEYS, then the clicks printed so far (one name per click, by a space).
while read -r keys expected; do
    xdotool key "$keys"
    sleep 0.6
    got="$(tr -d '\r' <"$E2E_WORK/clicks" | sed -n 's/^Click //p' | tr '\n' ' ' | sed 's/ $//')"
    [ "$got" = "$expected" ] && e2e_pass "$keys: clicks ${got:-none}" ||
        e2e_fail "$keys: clicks '${got}', expected '${expected}'"
done <<'KEYS'
alt+g Go
alt+shift+p Go Stop
alt+o Go Stop
alt+x Go Stop
g Go Stop
alt+G Go Stop Go
KEYS
e2e_finish
