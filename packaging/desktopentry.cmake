# Run by `cmake --install` (and by CPack's install step): writes the desktop entry once the
# prefix is known, so that its Exec names the launcher by its absolute path and the entry
# works whether or not the prefix's bin/ is on the PATH.
#
# In: VELLMORAN_DESKTOP_TEMPLATE, and VELLMORAN_BINDIR and VELLMORAN_APPLICATIONSDIR relative
# to the prefix.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)

# The launcher as one quoted Exec argument: inside the quotes ", `, $ and \ take a backslash,
# and the entry's own string escapes then double every backslash; % is doubled.
set(EXEC "${prefix}/${VELLMORAN_BINDIR}/vellmoran")
string(REPLACE "\\" "\\\\\\\\" EXEC "${EXEC}")
foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\\\${special}" EXEC "${EXEC}")
endforeach()
string(REPLACE "%" "%%" EXEC "${EXEC}")
set(EXEC "\"${EXEC}\"")

set(entry "${CMAKE_INSTALL_PREFIX}/${VELLMORAN_APPLICATIONSDIR}/vellmoran.desktop")
message(STATUS "Installing: $ENV{DESTDIR}${entry}")
file(READ "${VELLMORAN_DESKTOP_TEMPLATE}" template)
string(CONFIGURE "${template}" text @ONLY)
file(WRITE "$ENV{DESTDIR}${entry}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
