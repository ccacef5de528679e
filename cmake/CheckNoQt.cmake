# Fails when the given binary needs a Qt library at run time.
execute_process(COMMAND ldd ${BINARY} OUTPUT_VARIABLE deps RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ldd failed on ${BINARY}")
endif()
if(deps MATCHES "libQt")
  message(FATAL_ERROR "${BINARY} links Qt:\n${deps}")
endif()
message(STATUS "${BINARY} links no Qt library")
