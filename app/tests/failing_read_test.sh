#!/usr/bin/env bash
# A draw file whose reads fail part-way, on a file system that fails them: batch mode stops at
# the failed read, writes the newest row read before it, and exits with status 1, not 0.
# Usage: failing_read_test.sh PYTHON DRAWCHK [RUNNER...]   (as root, or with fusermount)
#        RUNNER runs the program, Wine for drawchk.exe.
set -euo pipefail
python=$1
drawchk=$2
shift 2
here=$(dirname "$0")
program=$(basename "$drawchk")

# shellcheck source=../../test_support/shell_test.sh
. "$here/../../test_support/shell_test.sh"
server=
stop_server() {
    [ -n "$server" ] || return 0
    umount "$scratch/mount" 2>/dev/null || fusermount -u "$scratch/mount" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
}
at_exit stop_server

mkdir "$scratch/mount" "$scratch/failing" "$scratch/reference"
# 10113 draws of 65 bytes a line, CR LF included, so no read ends on a line end.
seq 1 10113 | awk '{ printf "%-6d 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19\r\n", $1 }' \
    >"$scratch/draws"
# Six reads of 64 KiB succeed, past the history; the seventh fails, inside a line.
fail_at=$((6 * 65536 + 32))
"$python" "$here/failing_file_system.py" "$scratch/draws" "$scratch/mount" "$fail_at" &
server=$!
for _ in $(seq 100); do
    [ -e "$scratch/mount/keno.old" ] && break
    kill -0 "$server" 2>/dev/null || fail "the failing file system did not mount (needs FUSE and root)"
    sleep 0.1
done
cmp -s "$scratch/draws" "$scratch/mount/keno.old" 2>/dev/null &&
    fail "reads past byte $fail_at did not fail"

cp "$drawchk" "$scratch/failing/$program"
ln -s "$scratch/mount/keno.old" "$scratch/failing/keno.old"
status=0
"$@" "$scratch/failing/$program" Frissit || status=$?
[ "$status" -eq 1 ] || fail "a draw file cut by a failed read gave status $status, not 1"

# What the check could read: the lines that ended before the failed read.
cp "$drawchk" "$scratch/reference/$program"
head -c $((6 * 65536)) "$scratch/draws" | sed '$d' >"$scratch/reference/keno.old"
"$@" "$scratch/reference/$program" Frissit || fail "the reference check failed"
cmp -s "$scratch/failing/Drawchk.txt" "$scratch/reference/Drawchk.txt" ||
    fail "result $(cat -A "$scratch/failing/Drawchk.txt"), not $(cat -A "$scratch/reference/Drawchk.txt")"
echo "a failed read gives status 1 and the rows before it: $(tr -d '\r' <"$scratch/failing/Drawchk.txt")"
