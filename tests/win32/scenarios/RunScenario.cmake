# Runs one scenario: cmake -DPANELHOST=... -DNATIVE_NAVDB=... -DSCENARIO=...
#   -DWORK=... -DDATA=... -DWINE_RUN=... -DWINE_TREE=--win32|--win64 -P RunScenario.cmake.
#   The transcript goes to the output; a non-zero exit fails the test.
#
# WORK is made afresh with copies of the built tables (delivered\ and sample\). A file
# beside the scenario with the extension .config prepares the unit's saved state first:
# each line names a folder of WORK and the CONFIG fields to set there (navdb config), e.g.
#   sample POWER=1 RTEMODE=1 NRTEWPT=2 RTEWPTS=100000108100000132
# The native navdb that makes the tree's tables sets them: the same bytes as navdb.exe, without
# a start of Wine.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(set delivered sample)
  if(EXISTS ${DATA}/${set})
    file(COPY ${DATA}/${set} DESTINATION ${WORK})
  endif()
endforeach()

get_filename_component(scenario_dir ${SCENARIO} DIRECTORY)
get_filename_component(scenario_name ${SCENARIO} NAME_WE)
set(config_file ${scenario_dir}/${scenario_name}.config)
if(EXISTS ${config_file})
  file(STRINGS ${config_file} config_lines REGEX "^[^#]")
  foreach(line ${config_lines})
    separate_arguments(words UNIX_COMMAND "${line}")
    list(POP_FRONT words folder)
    execute_process(COMMAND ${NATIVE_NAVDB} config ${WORK}/${folder} ${words}
                    OUTPUT_QUIET RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${config_file}: navdb config ${folder} failed (exit ${result})")
    endif()
  endforeach()
endif()

# A flight plan beside the scenario (NAME.gpx, NAME.fpl or NAME.pln) becomes the route of
# the sample database's CONFIG (navdb route import --config), by the native navdb
# (NATIVE_NAVDB), which made the tables and runs without Wine.
foreach(extension gpx fpl pln)
  set(plan_file ${scenario_dir}/${scenario_name}.${extension})
  if(NOT EXISTS ${plan_file})
    continue()
  endif()
  if(NOT EXISTS "${NATIVE_NAVDB}")
    message(FATAL_ERROR "${plan_file}: importing a flight plan needs the native navdb (${NATIVE_NAVDB}); "
                        "build the native tree first")
  endif()
  execute_process(COMMAND ${NATIVE_NAVDB} route import ${WORK}/sample ${plan_file} --config
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${plan_file}: navdb route import failed (exit ${result})")
  endif()
endforeach()

# Wine shows the build tree on drive Z:. The sound device plays into nothing, so the
# sound path runs without ALSA's complaints on machines without sound.
string(REPLACE "/" "\\" work_windows "Z:${WORK}")
string(REPLACE "/" "\\" scenario_windows "Z:${SCENARIO}")
string(REPLACE "/" "\\" source_windows "Z:${scenario_dir}")
set(ENV{SCENARIO_DIR} "${work_windows}")
# The scenarios' own folder, for the plan files a scenario loads through a dialog.
set(ENV{SCENARIO_SOURCE} "${source_windows}")
set(ENV{ALSA_CONFIG_PATH} "${CMAKE_CURRENT_LIST_DIR}/../gauge/win32/alsa-null.conf")

execute_process(COMMAND ${WINE_RUN} ${WINE_TREE} ${PANELHOST} --script ${scenario_windows}
                WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scenario ${SCENARIO} failed (exit ${result})")
endif()
