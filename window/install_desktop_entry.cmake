# Writes the menu entry for the installed program, run by `cmake --install`. The program's
# path goes into Exec quoted and escaped as desktop entries require, so a prefix with blanks,
# quotes or backslashes still starts the program.
set(program "${CMAKE_INSTALL_PREFIX}/${program_dir}/drawchk")
set(exec "${program}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
set(exec "\"${exec}\"")
# The key's value is a string of its own, whose escapes come on top of the quoting; and a
# per cent sign would start a field code.
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")

file(READ "${template}" entry)
string(REPLACE "@EXEC@" "${exec}" entry "${entry}")
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/drawchk.desktop")
file(WRITE "${destination}" "${entry}")
message(STATUS "Installing: ${destination}")
