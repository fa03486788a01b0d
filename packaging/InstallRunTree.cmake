# Run at install time: writes the sample data and puts the font in place.
# Expects NAV_SOURCE_DIR, NAV_FONT_FILE and NAV_TREE (the tree's folder under
# the prefix); CMAKE_INSTALL_PREFIX is the install's prefix.

set(tree "${CMAKE_INSTALL_PREFIX}/${NAV_TREE}")

# The sample data is made from the committed sources, converted as the
# program reads it, never copied from Data/, which a run from the checkout
# or a hand edit may have changed.
message(STATUS "Installing: $ENV{DESTDIR}${tree}/Data (from tools/sample-data)")
execute_process(COMMAND "${NAV_SOURCE_DIR}/tools/make-sample-data.sh" "$ENV{DESTDIR}${tree}/Data"
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The sample data could not be made from ${NAV_SOURCE_DIR}/tools/sample-data")
endif()
foreach(name cross.txt route.txt users.txt)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${tree}/Data/${name}")
endforeach()

# Under /usr, as in the Debian package, which depends on fonts-wqy-microhei,
# the font is a relative link to that package's file, the way Debian shares
# fonts. Under any other prefix it is a copy, so that the tree keeps drawing
# text when the font package goes.
set(font "$ENV{DESTDIR}${tree}/fonts/MF-FangHei-Noncommercial-Regular.ttf")
file(REMOVE "${font}")
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  file(RELATIVE_PATH target "${tree}/fonts" "${NAV_FONT_FILE}")
  message(STATUS "Installing: ${font} -> ${target}")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${tree}/fonts")
  file(CREATE_LINK "${target}" "${font}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${tree}/fonts/MF-FangHei-Noncommercial-Regular.ttf")
else()
  file(INSTALL "${NAV_FONT_FILE}" DESTINATION "${tree}/fonts" RENAME MF-FangHei-Noncommercial-Regular.ttf)
endif()
