#!/usr/bin/env bash
# The downloads, packed from the programs of this run: each unpacks into one folder named for
# the version, and each guide holds its own platform's steps and not the other's.
# Usage: package_test.sh SOURCE_FOLDER DRAWCHK_EXE POSIX_DRAWCHK POSIX_WINDOW_MODULE
set -euo pipefail
source=$1
# shellcheck source=../../test_support/shell_test.sh
. "$(dirname "$0")/../../test_support/shell_test.sh"

"$source/tools/package" --pack "$scratch/out" "$2" "$3" "$4"
version=$(sed -n 's/^project(drawchk VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
name="drawchk-$version"

zip="$scratch/out/$name-windows-x86_64.zip"
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "$name/ $name/README.txt $name/drawchk.exe " ] ||
    fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
unzip -q "$zip" -d "$scratch/windows"
readme="$scratch/windows/$name/README.txt"
head -c 3 "$readme" | cmp -s - <(printf '\357\273\277') || fail "the Windows guide has no BOM"
grep -q "Drawchk $version" "$readme" || fail "the Windows guide does not name the version"
grep -q 'schtasks' "$readme" || fail "the Windows guide has no Task Scheduler line"
grep -qE 'cron|drawchk_window|install-menu-entry|^\{' "$readme" &&
    fail "the Windows guide holds Linux steps or markers"
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "the Windows guide is not CR LF"

tarball="$scratch/out/$name-linux-x86_64.tar.gz"
tar -tzf "$tarball" | grep -qv "^$name/" && fail "the tar.gz has files outside $name/"
tar -xzf "$tarball" -C "$scratch"
linux="$scratch/$name"
for file in drawchk drawchk_window.so drawchk.svg drawchk.desktop.in install-menu-entry.sh \
    README.txt; do
    [ -f "$linux/$file" ] || fail "the tar.gz has no $file"
done
[ -x "$linux/drawchk" ] && [ -x "$linux/install-menu-entry.sh" ] || fail "not executable"
grep -q "Drawchk $version" "$linux/README.txt" || fail "the Linux guide does not name the version"
grep -q '"/path/to the/program folder/drawchk" Frissit' "$linux/README.txt" ||
    fail "the Linux guide has no quoted cron line"
grep -q 'Qt 6.4' "$linux/README.txt" || fail "the Linux guide does not say which Qt"
grep -qE 'schtasks|drawchk\.exe|^\{' "$linux/README.txt" &&
    fail "the Linux guide holds Windows steps or markers"
echo "downloads unpack into $name/ with a guide for their own platform"
