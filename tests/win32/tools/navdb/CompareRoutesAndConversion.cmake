# cmake -DNAVDB=navdb.exe -DNATIVE_NAVDB=... -DSAMPLE=... -DPLAN=... -DWORLD_DATA=...
#       -DWORK=... -DWINE_RUN=... -DWINE_TREE=... -P CompareRoutesAndConversion.cmake
# navdb.exe under Wine and the native navdb run the same flight plan and world data commands,
# each in a folder of its own that starts with the same files (the sample database in db/, the
# plan PLAN, apt.dat, nav.dat and the CSV data set from WORLD_DATA). What each command prints
# (output, messages, exit status) and every file written must be the same bytes: no carriage
# return in a listing or a file, the same replacement of existing files. The tables are
# compared by their dumps, as their headers carry the day they were written.
file(REMOVE_RECURSE ${WORK})
foreach(side native windows)
  file(COPY ${SAMPLE}/ DESTINATION ${WORK}/${side}/db)
  file(COPY ${WORLD_DATA}/apt1200.dat ${WORLD_DATA}/nav1200.dat ${WORLD_DATA}/airports.csv
            ${WORLD_DATA}/runways.csv ${WORLD_DATA}/navaids.csv
            ${WORLD_DATA}/airport-frequencies.csv DESTINATION ${WORK}/${side})
  configure_file(${PLAN} ${WORK}/${side}/trip.gpx COPYONLY)
  file(ARCHIVE_CREATE OUTPUT ${WORK}/${side}/apt1200.dat.gz PATHS ${WORK}/${side}/apt1200.dat
       FORMAT raw COMPRESSION GZip)
endforeach()

# compare(STATUS ARGUMENTS...): both give exit status STATUS and print the same bytes (taken
# from files: CMake's own capture drops the carriage return of CR LF).
function(compare status)
  string(JOIN " " command ${ARGN})
  execute_process(COMMAND ${NATIVE_NAVDB} ${ARGN} WORKING_DIRECTORY ${WORK}/native
                  OUTPUT_FILE ${WORK}/native.output ERROR_FILE ${WORK}/native.messages
                  RESULT_VARIABLE native_status)
  execute_process(COMMAND ${WINE_RUN} ${WINE_TREE} ${NAVDB} ${ARGN}
                  WORKING_DIRECTORY ${WORK}/windows
                  OUTPUT_FILE ${WORK}/windows.output ERROR_FILE ${WORK}/windows.messages
                  RESULT_VARIABLE windows_status)
  file(READ ${WORK}/windows.messages windows_messages)
  if(NOT native_status EQUAL status OR NOT windows_status EQUAL status)
    message(FATAL_ERROR "navdb ${command}: exit ${native_status}, navdb.exe exit "
                        "${windows_status}, expected ${status}\n${windows_messages}")
  endif()
  foreach(stream output messages)
    file(SHA256 ${WORK}/native.${stream} native_hash)
    file(SHA256 ${WORK}/windows.${stream} windows_hash)
    if(NOT native_hash STREQUAL windows_hash)
      file(READ ${WORK}/native.${stream} native_text)
      file(READ ${WORK}/windows.${stream} windows_text)
      file(READ ${WORK}/windows.${stream} windows_bytes HEX)
      set(returns "")
      if(windows_bytes MATCHES "^(..)*0d")
        set(returns " (navdb.exe's hold carriage returns)")
      endif()
      message(FATAL_ERROR "navdb ${command}: the ${stream} differ${returns}:\n"
                          "navdb:\n${native_text}\nnavdb.exe:\n${windows_text}")
    endif()
  endforeach()
endfunction()

compare(0 route import db trip.gpx --config)
compare(0 route show db)
compare(0 route import db trip.gpx --rte trip.rte)
compare(0 route show db trip.rte)
compare(0 route export db --format gpx)
compare(0 route export db --format fpl -o trip.fpl)
compare(0 route export db trip.rte --format pln -o trip.pln)
compare(0 route export db --format gpx -o trip.gpx)   # over an existing file
compare(0 route export db --format csv)
compare(0 route import db trip.fpl --rte trip.rte)
compare(0 route import db trip.pln --config)
compare(1 route export db --format kml)
compare(2 route list db)   # the usage
compare(0 convert apt1200.dat.gz nav1200.dat world)
compare(0 convert apt1200.dat nav1200.dat world --ident KSEA)   # over existing files
compare(0 convert --csv airports.csv runways.csv navaids.csv csv-world
          --frequencies airport-frequencies.csv)
compare(0 dump db USERS)
compare(0 dump db CONFIG)

file(GLOB_RECURSE native_files RELATIVE ${WORK}/native ${WORK}/native/*)
file(GLOB_RECURSE windows_files RELATIVE ${WORK}/windows ${WORK}/windows/*)
list(FILTER native_files EXCLUDE REGEX "\\.(DBF|QIX)$")
list(FILTER windows_files EXCLUDE REGEX "\\.(DBF|QIX)$")
if(NOT native_files STREQUAL windows_files)
  message(FATAL_ERROR "navdb wrote ${native_files}\nnavdb.exe wrote ${windows_files}")
endif()
foreach(name ${native_files})
  file(SHA256 ${WORK}/native/${name} native_hash)
  file(SHA256 ${WORK}/windows/${name} windows_hash)
  if(NOT native_hash STREQUAL windows_hash)
    message(FATAL_ERROR "${name}: navdb.exe wrote other bytes than navdb")
  endif()
endforeach()
message(STATUS "navdb.exe prints and writes what navdb does for ${native_files}")
