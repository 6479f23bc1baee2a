# Runs a table generator and checks that its output is, byte for byte,
# the committed header (src/calendar/solar_term_table.h, src/basis/equation_of_time_table.h).
#   cmake -DGENERATOR=<exe> -DDATA=<data/solar_terms> -DCOMMITTED=<header> -DOUT=<scratch file> -P regenerate.cmake
execute_process(COMMAND ${GENERATOR} ${DATA} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (exit ${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${COMMITTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not the generator's output; regenerate it:\n"
                      "  ${GENERATOR} ${DATA} ${COMMITTED}")
endif()
