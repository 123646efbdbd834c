#!/usr/bin/env bash
# The Windows program's window under Wine, driven through the X display as a user would:
# it opens titled "Drawchk." in the topmost band with its designed client size, Space on the
# focused "Ellenőrzés" writes the result and so does Enter, and Tab, Tab, Space on "Vége" ends
# the program. At 125 % and 150 % (120 and 144 dpi) the client area scales with the DPI.
# Usage: window_test.sh DRAWCHK_EXE MAKE_SAMPLE_DRAWS_EXE WINE [SCREENSHOT]
#        (run through wine_session.sh, which sets DISPLAY; WINEPREFIX set)
set -euo pipefail
exe=$1
make_sample=$2
wine=$3
screenshot=${4:-}

folder=$(mktemp -d "${TMPDIR:-/tmp}/drawchk Kenó XXXXXX")
program=
dpi_key='HKCU\Control Panel\Desktop'
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    "$wine" reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1
    rm -rf "$folder"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cp "$exe" "$folder/drawchk.exe"
"$wine" "$make_sample" "Z:$folder/keno.old"
"$wine" "$folder/drawchk.exe" &
program=$!

window=$(timeout 30 xdotool search --sync --name '^Drawchk\.$' | head -n 1) ||
    fail "no window titled Drawchk."
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "not in the topmost band"
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 203x306 ] || fail "client area is $size, not 203x306"

xdotool windowfocus --sync "$window"
for key in space Return; do
    rm -f "$folder/Drawchk.txt"
    xdotool key --window "$window" "$key"
    for _ in $(seq 100); do
        [ -s "$folder/Drawchk.txt" ] && break
        sleep 0.1
    done
    printf '10113   2025-08-29  P\r\n' | cmp -s - "$folder/Drawchk.txt" ||
        fail "$key on Ellenőrzés did not write the newest row: $(od -c "$folder/Drawchk.txt" 2>&1 | head -3)"
done

if [ -n "$screenshot" ]; then
    sleep 0.5
    import -window "$window" "$screenshot"
fi

xdotool key --window "$window" Tab Tab space
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "Tab, Tab, Space on Vége did not end the program"
status=0
wait "$program" || status=$?
program=
[ "$status" -eq 0 ] || fail "ended with status $status"
# Wine reads the DPI from the registry as each program starts.
for dpi in 120 144; do
    "$wine" reg add "$dpi_key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    "$wine" "$folder/drawchk.exe" &
    program=$!
    window=$(timeout 30 xdotool search --sync --name '^Drawchk\.$' | head -n 1) ||
        fail "no window at $dpi dpi"
    size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
    # 3045 x 4590 twips, rounded to the nearest pixel.
    want="$(((3045 * dpi + 720) / 1440))x$(((4590 * dpi + 720) / 1440))"
    [ "$size" = "$want" ] || fail "client area at $dpi dpi is $size, not $want"
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=
done
echo "window behaves"
