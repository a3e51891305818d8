# The opening-classification data, generated at build time from Debian's
# pgn-extract classification: eco.bin (copied into the working directory by
# tools/prepare-workdir.sh) and the name table compiled into the program.
set(VANTOREL_ECO_PGN /usr/share/pgn-extract/eco.pgn CACHE FILEPATH
  "The ECO classification as PGN (Debian package pgn-extract)")
if(NOT EXISTS ${VANTOREL_ECO_PGN})
  message(FATAL_ERROR "${VANTOREL_ECO_PGN} is missing: install the Debian package pgn-extract")
endif()

# The generator plays the lines with the chess core alone, so it does not
# depend on the library whose name table it writes.
file(GLOB ECO_CORE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/*.cpp)
add_executable(vantorel-eco tools/eco_gen.cpp tools/eco_pgn.cpp ${ECO_CORE_SOURCES})
target_include_directories(vantorel-eco PRIVATE ${CMAKE_SOURCE_DIR})

set(VANTOREL_ECO_DIR ${CMAKE_BINARY_DIR}/eco)
add_custom_command(
  OUTPUT ${VANTOREL_ECO_DIR}/eco.bin ${VANTOREL_ECO_DIR}/nome_variante.cpp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTOREL_ECO_DIR}
  COMMAND vantorel-eco ${VANTOREL_ECO_PGN} ${VANTOREL_ECO_DIR}/eco.bin
          ${VANTOREL_ECO_DIR}/nome_variante.cpp
  DEPENDS vantorel-eco ${VANTOREL_ECO_PGN}
  COMMENT "Generating eco.bin and the opening-name table")
target_sources(vantorel_lib PRIVATE ${VANTOREL_ECO_DIR}/nome_variante.cpp)

enable_testing()
# Two runs give the same bytes.
add_test(NAME eco_generator.same_bytes COMMAND sh -c
  "d=$(mktemp -d) && ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:vantorel-eco> '${VANTOREL_ECO_PGN}' $d/a.bin $d/a.cpp && \
   ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:vantorel-eco> '${VANTOREL_ECO_PGN}' $d/b.bin $d/b.cpp && \
   cmp $d/a.bin $d/b.bin && cmp $d/a.cpp $d/b.cpp && cmp $d/a.bin '${VANTOREL_ECO_DIR}/eco.bin'; \
   r=$?; rm -rf $d; exit $r")

# The tests read the classification PGN with the generator's own reader.
target_sources(vantorel_tests PRIVATE tools/eco_pgn.cpp)
if(TARGET vantorel_bench)
  target_compile_definitions(vantorel_bench PRIVATE VANTOREL_ECO_BIN="${VANTOREL_ECO_DIR}/eco.bin")
endif()
if(TARGET vantorel_bench)
  target_compile_definitions(vantorel_bench PRIVATE VANTOREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
