# Installs the game under a scratch prefix, moves the whole prefix, and asks the moved program
# where it finds its settings library and the coins picture: inside the moved tree, not the old.
# With either file taken away, --paths says which and fails, so a package check cannot pass it.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${SCRATCH}/installed
    --component kestrins
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${SCRATCH}/installed ${SCRATCH}/moved)
set(library ${SCRATCH}/moved/${LIBDIR}/libhivekit.so.1)
set(coins ${SCRATCH}/moved/${DATADIR}/kestrins/Coins.bmp)

function(expect_paths want_result library_line coins_line)
  execute_process(COMMAND ${SCRATCH}/moved/${BINDIR}/kestrins --paths
    OUTPUT_VARIABLE paths RESULT_VARIABLE result)
  set(expected "settings library: ${library_line}\ncoins picture: ${coins_line}\n")
  if(NOT result EQUAL want_result OR NOT paths STREQUAL expected)
    message(FATAL_ERROR "--paths gave (${result}):\n${paths}\nexpected (${want_result}):\n${expected}")
  endif()
endfunction()

expect_paths(0 ${library} ${coins})
file(RENAME ${coins} ${coins}.away)
expect_paths(1 ${library} "not found")
file(RENAME ${coins}.away ${coins})
# The library is also looked for at the configured install folder, which may hold one.
if(NOT EXISTS ${INSTALLED_LIBRARY})
  file(RENAME ${library} ${library}.away)
  expect_paths(1 "not found" ${coins})
endif()
file(REMOVE_RECURSE ${SCRATCH})
