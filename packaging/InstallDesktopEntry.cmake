# Run at install time: writes the menu entry with Exec naming the installed
# launcher, so the entry starts this prefix's program whatever the PATH.
# Expects NAV_DESKTOP_TEMPLATE; CMAKE_INSTALL_PREFIX is the install's prefix.

set(launcher "${CMAKE_INSTALL_PREFIX}/bin/navigation-system")

# Quoting of the Exec key: a path holding a space or another reserved
# character is put in double quotes, with " ` $ and \ escaped inside them;
# % is doubled; then the value's own escaping doubles every backslash.
set(exec "${launcher}")
if(exec MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\n" "\\n" exec "${exec}")

set(NAV_DESKTOP_EXEC "${exec}")
set(entry "${CMAKE_INSTALL_PREFIX}/share/applications/navigation-system.desktop")
message(STATUS "Installing: $ENV{DESTDIR}${entry}")
configure_file("${NAV_DESKTOP_TEMPLATE}" "$ENV{DESTDIR}${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
