#!/usr/bin/env bash
# The Windows program's window under Wine, driven through the X display as a user would:
# it opens titled "Drawchk." in the topmost band with its designed client size, Space on the
# focused "Ellenőrzés" writes the result and so does Enter; the newest row is then current,
# and another process reads its text as a screen reader would; Up, Home and End move in the
# list, and keep the row moved to through a check made while another window is active; Tab,
# Space on "Vége" ends the program. A change is checked once, and so is a clock set anew.
# Rows out of place are painted in the mark colour, and an empty list paints its hint, which
# another process reads with the list's name.
# On dark system colours both still read at 4.5:1. A draw file whose reads fail part-way is
# said over its rows. At 125 % and 150 % (120 and 144 dpi) the client area scales with the DPI.
# Usage: window_test.sh DRAWCHK_EXE MAKE_SAMPLE_DRAWS_EXE WINE LIST_PROBE_EXE
#                       SYSTEM_COLOURS_EXE PYTHON FAILING_FILE_SYSTEM [SCREENSHOT_DIR]
#        (run through wine_session.sh, which sets DISPLAY; WINEPREFIX set)
set -euo pipefail
exe=$1
make_sample=$2
wine=$3
probe_exe=$4
colours_exe=$5
python=$6
failing_file_system=$7
screenshots=${8:-}

SCRATCH_NAME="drawchk Kenó XXXXXX"
# shellcheck source=../../test_support/shell_test.sh
. "$(dirname "$0")/../../test_support/shell_test.sh"
folder=$scratch
program=
server=
dpi_key='HKCU\Control Panel\Desktop'
# The system colours of the list and the buttons before the test darkens them.
saved_colours=
# The renames the file system reports in the program folder, one name a line.
renames=$(mktemp)
watcher=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
    rm -f "$renames" "$renames.log"
    if [ -n "$server" ]; then
        umount "$folder/mount" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    "$wine" reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1
    # shellcheck disable=SC2086
    [ -n "$saved_colours" ] && "$wine" "$colours_exe" $saved_colours
}
at_exit cleanup
# The list as another process reads it: its name, count, current and top rows, and the rows
# asked for.
probe() { "$wine" "$probe_exe" "$@" | tr -d '\r'; }
# Waits up to ten seconds for `probe` to give $1, with the rest as its arguments.
expect_list() {
    local want=$1 got=
    shift
    for _ in $(seq 100); do
        got=$(probe "$@")
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    fail "the list reads \"$got\", not \"$want\""
}
# Waits up to ten seconds for the result file to hold $1 and CR LF.
expect_result() {
    for _ in $(seq 100); do
        printf '%s\r\n' "$1" | cmp -s - "$folder/Drawchk.txt" && return 0
        sleep 0.1
    done
    fail "Drawchk.txt is not \"$1\": $(od -c "$folder/Drawchk.txt" 2>&1 | head -3)"
}
# The checks the window has answered, as a user sees them: each rewrites Drawchk.txt by
# renaming a new file into its place, which the file system reports.
results_written() { grep -c '^Drawchk\.txt$' "$renames" || true; }
# The same, once the files have had time to settle after the window's last write, which
# must start no check of its own.
results_after_settling() {
    sleep 1.5
    results_written
}
# Pixels of the colour #$1 in the window.
pixels() {
    import -window "$window" -depth 8 -format %c histogram:info:- |
        awk -v colour="#$1" '$0 ~ colour { sum += $1 } END { print sum + 0 }'
}
# Waits up to five seconds for at least $2 pixels of the colour #$1, which $3 names.
expect_pixels() {
    local count=0
    for _ in $(seq 50); do
        count=$(pixels "$1")
        [ "$count" -ge "$2" ] && return 0
        sleep 0.1
    done
    fail "only $count pixels of $3 (#$1)"
}
# The program's window once it is mapped: Wine names the window before it shows it, and a
# window not yet shown cannot take the focus.
find_window() {
    timeout 30 xdotool search --sync --onlyvisible --name '^Drawchk\.$' | head -n 1
}
start_window() {
    "$wine" "$folder/drawchk.exe" &
    program=$!
    window=$(find_window) ||
        fail "no window titled Drawchk."
    xdotool windowfocus --sync "$window"
}
end_window() {
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=
}

cp "$exe" "$folder/drawchk.exe"
inotifywait -m -e moved_to --format %f "$folder" >"$renames" 2>"$renames.log" &
watcher=$!
for _ in $(seq 100); do
    grep -q 'Watches established' "$renames.log" && break
    sleep 0.1
done
"$wine" "$make_sample" "Z:$folder/keno.old"
"$wine" "$folder/drawchk.exe" &
program=$!

window=$(find_window) ||
    fail "no window titled Drawchk."
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "not in the topmost band"
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 203x306 ] || fail "client area is $size, not 203x306"

xdotool windowfocus --sync "$window"
for key in space Return; do
    rm -f "$folder/Drawchk.txt"
    xdotool key --window "$window" "$key"
    expect_result "10113   2025-08-29  P"
done

# The newest row is current, at the bottom of the fifteen in view, and readable from outside.
expect_list "name=Húzások
count=5113 current=5112 top=5098
10113   2025-08-29  P" 5112
if [ -n "$screenshots" ]; then
    sleep 0.5
    import -window "$window" "$screenshots/screenshot-windows.png"
fi
# A new draw, put in place by a rename, is checked by itself once the folder is still; the
# check's own write of the result file settles too, and starts no other check. Its last line
# has no line end, as many editors save it: the answer is held back once, then given, once.
checks=$(results_written)
"$wine" "$make_sample" "Z:$folder/keno.new" 1 10114
truncate -s -2 "$folder/keno.new"
mv "$folder/keno.new" "$folder/keno.old"
expect_result "10114   2025-08-30  Szo"
[ "$(results_after_settling)" = $((checks + 1)) ] || fail "not one check for one change"
# A clock set anew judges today again.
probe timechange
for _ in $(seq 50); do
    [ "$(results_written)" = $((checks + 2)) ] && break
    sleep 0.1
done
[ "$(results_written)" = $((checks + 2)) ] || fail "a clock set anew started no check"
"$wine" "$make_sample" "Z:$folder/keno.old"
expect_result "10113   2025-08-29  P"

xdotool key --window "$window" Tab
for step in "Up 5111" "Home 0" "End 5112"; do
    xdotool key --window "$window" "${step% *}"
    expect_list "name=Húzások
count=5113 current=${step#* } top=$([ "${step#* }" = 0 ] && echo 0 || echo 5098)"
done

xdotool key --window "$window" Tab space
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "Tab, Tab, Space on Vége did not end the program"
status=0
wait "$program" || status=$?
program=
[ "$status" -eq 0 ] || fail "ended with status $status"

# The user moved to a row, then keno.old was saved while another window was the active one:
# the check that follows keeps the row.
start_window
xdotool key --window "$window" space Tab Up Up Up
expect_list "name=Húzások
count=5113 current=5109 top=5098"
"$wine" "$probe_exe" other &
other_program=$!
for _ in $(seq 100); do
    probe active | grep -q '^active=0' && break
    sleep 0.1
done
probe active | grep -q '^active=0' || fail "the window stayed the active one"
"$wine" "$make_sample" "Z:$folder/keno.new" 1 10114
mv "$folder/keno.new" "$folder/keno.old"
expect_result "10114   2025-08-30  Szo"
expect_list "name=Húzások
count=5114 current=5109 top=5099"
kill "$other_program"
wait "$other_program" 2>/dev/null || true
end_window
"$wine" "$make_sample" "Z:$folder/keno.old"

# A line missing before draw 10112: its row and the newest are out of place. The newest is
# selected, so only 10112's row shows the mark colour: its text and the square at its end.
# The band over the rows says what is missing, in batch mode's words, and takes three rows.
sed -i '10111d' "$folder/keno.old"
start_window
xdotool key --window "$window" space
expect_result "10113   2025-08-28  Cs"
expect_list "name=Húzások: A keno.old-ból hiányzik a 10111. húzás: pótolja.
count=5112 current=5111 top=5100
10110   2025-08-26  K
10112   2025-08-27  Sze, rossz dátum" 5109 5110
expect_pixels C80000 25 "the mark colour"
if [ -n "$screenshots" ]; then
    import -window "$window" "$screenshots/screenshot-windows-marked.png"
fi
end_window

# Saved as Unicode, with an accented letter in a row: the row reads as written.
{
    printf '\xff\xfe'
    { seq 1 5000 | sed 's/$/\r/'; printf 'ő12 1\r\n'; } | iconv -f UTF-8 -t UTF-16LE
} >"$folder/keno.old"
start_window
xdotool key --window "$window" space
expect_list "name=Húzások: A keno.old-ban az 5001. húzás helyén álló sor („ő12 1”) nem húzás: javítsa vagy törölje.
count=1 current=0 top=0
ő12   2011-08-25  Cs, rossz dátum" 0
end_window

# No draw file: an empty list with the hint in grey.
rm "$folder/keno.old"
start_window
[ "$(pixels 646464)" -eq 0 ] || fail "hint colour before any check"
xdotool key --window "$window" space
expect_result ""
expect_list "name=Húzások: Nincs keno.old a program mappájában: tegye a keno.old fájlt a program mellé.
count=0 current=-1 top=0"
expect_pixels 646464 20 "the hint colour"
# Focused, the empty list frames itself in the text's colour, around the hint, not through it.
hint_pixels=$(pixels 646464)
black_pixels=$(pixels 000000)
xdotool key --window "$window" Tab
expect_pixels 000000 $((black_pixels + 400)) "the empty list's focus frame"
[ "$(pixels 646464)" -eq "$hint_pixels" ] || fail "the focus frame crosses the hint"
end_window

# The system's colours turn dark, as a dark high-contrast theme makes them (Wine hands them to
# programs that start after the change): the list turns black, and the mark turns light red
# (#FF5C5C, 6.9:1 on black and 3:1 from the white rows) and the hint grey (#808080, 5.3:1),
# the colours chosen for a black list.
"$wine" "$make_sample" "Z:$folder/keno.old"
sed -i '10111d' "$folder/keno.old"
saved_colours=$("$wine" "$colours_exe" | tr -d '\r')
"$wine" "$colours_exe" 000000 FFFFFF 000000 FFFFFF
start_window
xdotool key --window "$window" space
expect_pixels 000000 20000 "a black list"
expect_pixels FF5C5C 25 "the light mark colour"
if [ -n "$screenshots" ]; then
    import -window "$window" "$screenshots/screenshot-windows-dark.png"
fi
rm "$folder/keno.old"
xdotool key --window "$window" space
expect_result ""
expect_pixels 808080 20 "the light hint colour"
end_window
# shellcheck disable=SC2086
"$wine" "$colours_exe" $saved_colours
saved_colours=

# Reads that fail part-way (a failing file system): the rows read stay, and the band over
# them and the list's name say the file was not read to its end.
mkdir "$folder/mount"
seq 1 10113 | awk '{ printf "%-6d 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19\r\n", $1 }' \
    >"$folder/draws"
"$python" "$failing_file_system" "$folder/draws" "$folder/mount" $((6 * 65536 + 32)) &
server=$!
for _ in $(seq 100); do
    [ -e "$folder/mount/keno.old" ] && break
    sleep 0.1
done
ln -s "$folder/mount/keno.old" "$folder/keno.old"
start_window
xdotool key --window "$window" space
# 6 reads of 64 KiB hold 6049 whole lines of 65 bytes: rows 5001 to 6049. The band above the
# rows takes four of the fifteen, and the newest row stays in view under it.
expect_list "name=Húzások: A keno.old nem olvasható végig; próbálja meg később újra.
count=1049 current=1048 top=1038"
expect_pixels 646464 20 "the words over the rows"
if [ -n "$screenshots" ]; then
    import -window "$window" "$screenshots/screenshot-windows-partly-read.png"
fi
end_window
umount "$folder/mount"
wait "$server" 2>/dev/null || true
server=
rm "$folder/keno.old"
# Wine reads the DPI from the registry as each program starts.
for dpi in 120 144; do
    "$wine" reg add "$dpi_key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    "$wine" "$folder/drawchk.exe" &
    program=$!
    window=$(find_window) ||
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
