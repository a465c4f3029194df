# cmake -DNAVDB=navdb.exe -DDATA=... -DSAMPLE_IMPORTS=... -DWORK=... -DWINE_RUN=...
#       -DWINE_TREE=... -P CompareWithNavdbExe.cmake
# Makes the delivered tables and the sample database with navdb.exe under Wine in WORK and
# compares every table with the one in DATA byte for byte, but for the header's date of
# last update (bytes 1 to 3), which is the day each was made.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/delivered)
function(run_navdb)
  execute_process(COMMAND ${WINE_RUN} ${WINE_TREE} ${NAVDB} ${ARGN}
                  WORKING_DIRECTORY ${WORK} OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "navdb.exe ${ARGN} failed (exit ${status})")
  endif()
endfunction()

run_navdb(init delivered)
file(COPY ${WORK}/delivered/ DESTINATION ${WORK}/sample)
run_navdb(import sample ${SAMPLE_IMPORTS}/AIRPORTS.GPS ${SAMPLE_IMPORTS}/RUNWAYS.GPS
          ${SAMPLE_IMPORTS}/NAVAIDS.GPS)

foreach(set delivered sample)
  foreach(table AIRPORTS RUNWAYS NAVAIDS USERS CONFIG)
    file(READ ${DATA}/${set}/${table}.DBF built HEX)
    file(READ ${WORK}/${set}/${table}.DBF made HEX)
    string(SUBSTRING "${built}" 8 -1 built_rest)   # two hex digits a byte
    string(SUBSTRING "${made}" 8 -1 made_rest)
    string(SUBSTRING "${built}" 0 2 built_version)
    string(SUBSTRING "${made}" 0 2 made_version)
    if(NOT built_rest STREQUAL made_rest OR NOT built_version STREQUAL made_version)
      message(FATAL_ERROR "${set}/${table}.DBF differs from what navdb.exe makes")
    endif()
  endforeach()
endforeach()
message(STATUS "navdb.exe makes the same delivered and sample tables")
