#!/usr/bin/env bash
# drawchk.exe under Wine and the POSIX program give the same Drawchk.txt, byte for byte, and
# the same exit status, for the same draw files.
# Usage: same_result_test.sh DRAWCHK_EXE POSIX_DRAWCHK WINE   (WINEPREFIX set)
set -euo pipefail
exe=$1
posix=$2
wine=$3

# shellcheck source=../../test_support/shell_test.sh
. "$(dirname "$0")/../../test_support/shell_test.sh"
mkdir "$scratch/windows" "$scratch/posix"
cp "$exe" "$scratch/windows/drawchk.exe"
cp "$posix" "$scratch/posix/drawchk"

history=$(seq 1 5000 | sed 's/$/\r/')
draws() {
    case $1 in
    sample) seq 1 10113 | awk '{ printf "%d %d %d\r\n", $1, $1 % 80 + 1, $1 % 79 + 2 }' ;;
    rest_days) printf '%s\n' "$history"; seq 5001 9900 | sed 's/$/\r/' ;;
    empty_line_at_end) printf '%s\n5001 1\r\n\r\n' "$history" ;;
    quoted_line_end) printf '%s\n"50\r\n01" 1,x\r\n"5\n6"\r\n' "$history" ;;
    commas_and_blanks) printf '%s\n \t5001,5002 ,, 5489 x\r\n' "$history" ;;
    windows_1250) printf '%s\n\365\351\341\373 1 2\r\n' "$history" ;;
    lone_line_ends) printf '%s\n5001\r5002\n5003' "$history" ;;
    unclosed_quote) printf '%s\n"5001\r\n5002\r\n' "$history" ;;
    full_list) seq 1 50000 | sed 's/$/\r/' ;;
    short) printf '1\r\n2\r\n' ;;
    esac
}

failed=0
for name in sample rest_days empty_line_at_end quoted_line_end commas_and_blanks windows_1250 \
    lone_line_ends unclosed_quote full_list short missing; do
    for side in windows posix; do
        rm -f "$scratch/$side/keno.old" "$scratch/$side/Drawchk.txt"
        [ "$name" = missing ] || draws "$name" >"$scratch/$side/keno.old"
    done
    windows_status=0
    "$wine" "$scratch/windows/drawchk.exe" Frissit || windows_status=$?
    posix_status=0
    "$scratch/posix/drawchk" Frissit || posix_status=$?
    if [ "$windows_status" != "$posix_status" ] ||
        ! cmp -s "$scratch/windows/Drawchk.txt" "$scratch/posix/Drawchk.txt"; then
        echo "FAIL $name: windows $windows_status $(od -c "$scratch/windows/Drawchk.txt" | head -2)" >&2
        echo "           posix $posix_status $(od -c "$scratch/posix/Drawchk.txt" | head -2)" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "same results"
exit "$failed"
