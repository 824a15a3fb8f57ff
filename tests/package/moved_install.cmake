# Installs the game under a scratch prefix, moves the whole prefix, and asks the moved program
# where it finds its settings library and the coins picture: inside the moved tree, not the old.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${SCRATCH}/installed
    --component kestrins
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${SCRATCH}/installed ${SCRATCH}/moved)
execute_process(COMMAND ${SCRATCH}/moved/${BINDIR}/kestrins --paths
  OUTPUT_VARIABLE paths RESULT_VARIABLE result)
set(expected "settings library: ${SCRATCH}/moved/${LIBDIR}/libhivekit.so.1
coins picture: ${SCRATCH}/moved/${DATADIR}/kestrins/Coins.bmp
")
if(NOT result EQUAL 0 OR NOT paths STREQUAL expected)
  message(FATAL_ERROR "--paths gave (${result}):\n${paths}\nexpected:\n${expected}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
