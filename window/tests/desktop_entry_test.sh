#!/usr/bin/env bash
# Installs into prefixes that a home folder can hold and checks the menu entry: it passes
# desktop-file-validate, and Exec names the installed program as one quoted argument.
# Usage: desktop_entry_test.sh BUILD_FOLDER DESKTOP_FILE_VALIDATE
set -euo pipefail
build=$1
validate=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

check() {
    local prefix=$1 expected=$2
    cmake --install "$build" --prefix "$prefix" >/dev/null
    local entry="$prefix/share/applications/drawchk.desktop"
    "$validate" "$entry"
    local exec
    exec=$(grep '^Exec=' "$entry")
    if [ "$exec" != "Exec=$expected" ]; then
        echo "for prefix '$prefix': got '$exec', want 'Exec=$expected'" >&2
        exit 1
    fi
    [ -x "$prefix/lib/drawchk/drawchk" ]
}

check "$scratch/Kenó programok" "\"$scratch/Kenó programok/lib/drawchk/drawchk\""
# A quote and a dollar sign are escaped for the quoting, and the escape once more for the
# value; a per cent sign is doubled. (CMake itself cannot install under a backslash.)
check "$scratch/a \"b\" \$c 5%" "\"$scratch/a \\\\\"b\\\\\" \\\\\$c 5%%/lib/drawchk/drawchk\""
echo "menu entries valid"
