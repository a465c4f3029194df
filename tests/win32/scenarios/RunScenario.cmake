# Runs one scenario: cmake -DPANELHOST=... -DSCENARIO=... -DWORK=... -DDATA=... -DWINE_RUN=...
#   -P RunScenario.cmake. The transcript goes to the output; a non-zero exit fails the test.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(set delivered sample)
  if(EXISTS ${DATA}/${set})
    file(COPY ${DATA}/${set} DESTINATION ${WORK})
  endif()
endforeach()

# Wine shows the build tree on drive Z:.
string(REPLACE "/" "\\" work_windows "Z:${WORK}")
string(REPLACE "/" "\\" scenario_windows "Z:${SCENARIO}")
set(ENV{SCENARIO_DIR} "${work_windows}")

execute_process(COMMAND ${WINE_RUN} ${PANELHOST} --script ${scenario_windows}
                WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scenario ${SCENARIO} failed (exit ${result})")
endif()
