#!/usr/bin/env bash
# The menu entry, as `cmake --install --strip` writes it under prefixes that a home folder can
# hold, and as the download's script writes it from a folder with a blank and Hungarian
# letters: it passes desktop-file-validate, has a Hungarian comment, and Exec names the
# program as one quoted argument. The installed program and window module carry no symbol
# table.
# Usage: desktop_entry_test.sh BUILD_FOLDER DESKTOP_FILE_VALIDATE SOURCE_FOLDER
set -euo pipefail
build=$1
validate=$2
source=$3
# shellcheck source=../../test_support/shell_test.sh
. "$(dirname "$0")/../../test_support/shell_test.sh"

check_entry() {
    local share=$1 expected=$2
    local entry="$share/applications/drawchk.desktop"
    "$validate" "$entry"
    grep -q '^Comment\[hu\]=A kenóhúzások' "$entry" || fail "no Hungarian comment in the menu entry"
    [ -f "$share/icons/hicolor/scalable/apps/drawchk.svg" ] || fail "no icon under $share"
    local exec
    exec=$(grep '^Exec=' "$entry")
    [ "$exec" = "Exec=$expected" ] || fail "under '$share': got '$exec', want 'Exec=$expected'"
}

install_under() {
    local prefix=$1 expected=$2
    cmake --install "$build" --prefix "$prefix" --strip >/dev/null
    check_entry "$prefix/share" "$expected"
    for file in "$prefix/lib/drawchk/drawchk" "$prefix/lib/drawchk/drawchk_window.so"; do
        [ -f "$file" ] || fail "$file was not installed"
        readelf -S "$file" | grep -q '\.symtab' && fail "$file was installed with its symbols"
    done
    return 0
}

install_under "$scratch/Kenó programok" "\"$scratch/Kenó programok/lib/drawchk/drawchk\""
# A quote and a dollar sign are escaped for the quoting, and the escape once more for the
# value; a per cent sign is doubled. (CMake itself cannot install under a backslash.)
install_under "$scratch/a \"b\" \$c 5%" "\"$scratch/a \\\\\"b\\\\\" \\\\\$c 5%%/lib/drawchk/drawchk\""

# The download's own script, run by a user from the unpacked folder.
download="$scratch/Letöltések/drawchk Győző"
mkdir -p "$download"
cp "$source/window/install-menu-entry.sh" "$source/window/drawchk.desktop.in" \
    "$source/window/drawchk.svg" "$download/"
(cd "$scratch" && HOME="$scratch/home" XDG_DATA_HOME= "$download/install-menu-entry.sh" >/dev/null)
check_entry "$scratch/home/.local/share" "\"$download/drawchk\""
echo "menu entries valid, installed files stripped"
