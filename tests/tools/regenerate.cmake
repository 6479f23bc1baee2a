# Runs a table generator and checks that its output is, byte for byte, the
# committed header.
#   cmake -DGENERATOR=<exe> -DDATA=<data dir> [-DDATA2=<second data dir>] -DCOMMITTED=<header> -DOUT=<scratch file> -P regenerate.cmake
get_filename_component(name ${GENERATOR} NAME)
execute_process(COMMAND ${GENERATOR} ${DATA} ${DATA2} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${name} failed (exit ${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${COMMITTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not the generator's output; regenerate it:\n"
                      "  ${name} ${DATA} ${DATA2} ${COMMITTED}")
endif()
