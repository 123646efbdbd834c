#!/bin/sh
# Puts Drawchk's menu entry and icon where the desktop looks for them, for this user, with the
# entry pointing at the program in this folder. The program's path goes into Exec quoted and
# escaped as desktop entries require, so a folder with blanks, quotes or accented letters
# still starts it.
# Usage: ./install-menu-entry.sh [PROGRAM_FOLDER [SHARE_FOLDER]]
#   PROGRAM_FOLDER  the folder drawchk lies in; this script's folder if not given
#   SHARE_FOLDER    where the entry and icon go; $XDG_DATA_HOME or ~/.local/share if not given
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program_folder=${1:-$here}
share=${2:-${XDG_DATA_HOME:-$HOME/.local/share}}

# Quote, backquote, dollar and backslash are escaped for the quoting; the value's own escapes
# come on top of that, and a per cent sign is doubled, since it would start a field code.
exec=$(printf '%s/drawchk' "$program_folder" | sed 's/[\\"`$]/\\&/g')
exec=$(printf '"%s"' "$exec" | sed -e 's/\\/\\\\/g' -e 's/%/%%/g')

mkdir -p "$share/applications" "$share/icons/hicolor/scalable/apps"
EXEC=$exec awk '$0 == "Exec=@EXEC@" { print "Exec=" ENVIRON["EXEC"]; next } { print }' \
    "$here/drawchk.desktop.in" >"$share/applications/drawchk.desktop"
cp "$here/drawchk.svg" "$share/icons/hicolor/scalable/apps/drawchk.svg"
echo "A menübejegyzés helye: $share/applications/drawchk.desktop"
