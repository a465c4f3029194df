# Reads back a plan that a scenario saved from the Route dialog: cmake -DNAVDB=... -DWORK=...
#   -DPLAN=NAME.fpl -DROUTE=NAME.rte -P ReadBackPlan.cmake. The native navdb imports PLAN
#   against the sample database of WORK into a route file, which must equal ROUTE, the route
#   file the same dialog saved: every waypoint found again, none added to USERS.
if(NOT EXISTS "${NAVDB}")
  message(FATAL_ERROR "reading back ${PLAN} needs the native navdb (${NAVDB}); build the native tree first")
endif()
foreach(file ${PLAN} ${ROUTE})
  if(NOT EXISTS ${WORK}/${file})
    message(FATAL_ERROR "${WORK}/${file} was not saved by the scenario")
  endif()
endforeach()
file(REMOVE ${WORK}/read-back.rte)
execute_process(COMMAND ${NAVDB} route import ${WORK}/sample ${WORK}/${PLAN} --rte ${WORK}/read-back.rte
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "navdb route import ${PLAN} failed (exit ${result})")
endif()
file(READ ${WORK}/${ROUTE} saved)
file(READ ${WORK}/read-back.rte read_back)
if(NOT read_back STREQUAL saved)
  message(FATAL_ERROR "${PLAN} reads back as\n[${read_back}]\nnot as the route saved in ${ROUTE}\n[${saved}]")
endif()
message(STATUS "${PLAN} reads back as the route of ${ROUTE}")
