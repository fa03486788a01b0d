# Run at install time: writes the sample data and README.txt and strips the
# exe and the DLL of their symbols. Expects NAV_SOURCE_DIR, NAV_README and
# NAV_STRIP (the cross strip).

set(tree "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
message(STATUS "Installing: ${tree}/Data (from tools/sample-data)")
execute_process(COMMAND "${NAV_SOURCE_DIR}/tools/make-sample-data.sh" "${tree}/Data"
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The sample data could not be made from ${NAV_SOURCE_DIR}/tools/sample-data")
endif()

# Older Notepads show a file with bare line feeds as one line.
file(READ "${NAV_README}" text)
string(REPLACE "\n" "\r\n" text "${text}")
message(STATUS "Installing: ${tree}/README.txt")
file(WRITE "${tree}/README.txt" "${text}")

foreach(binary navigation-system.exe OpenAL32.dll)
  execute_process(COMMAND "${NAV_STRIP}" --strip-unneeded "${tree}/${binary}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${NAV_STRIP} could not strip ${tree}/${binary}")
  endif()
endforeach()
