# Checks that every translation unit of the build compiles with Clang as well as with
# the compiler the build uses: a syntax-only pass (no code generation) over the build's
# compilation database, two at a time.
#
#   cmake -DDATABASE=<build>/compile_commands.json -DCLANGXX=<clang++> [-DJOBS=2]
#         -P clang-syntax-check.cmake
#
# The moc output the build generates is left out: it is the toolkit's code, not ours.
if(NOT DATABASE OR NOT EXISTS "${DATABASE}")
  message(FATAL_ERROR "No compilation database at '${DATABASE}': configure with CMAKE_EXPORT_COMPILE_COMMANDS=ON.")
endif()
if(NOT CLANGXX)
  find_program(CLANGXX NAMES clang++ clang++-14)
endif()
if(NOT CLANGXX)
  message(FATAL_ERROR "clang++ is not installed (Debian package clang; scripts/setup installs it).")
endif()
if(NOT JOBS)
  set(JOBS 2)
endif()

file(READ "${DATABASE}" database)
string(JSON count LENGTH "${database}")
math(EXPR last "${count} - 1")
set(commands "")
set(checked 0)
foreach(i RANGE ${last})
  string(JSON file GET "${database}" ${i} file)
  if(file MATCHES "_autogen/")
    continue()
  endif()
  string(JSON directory GET "${database}" ${i} directory)
  string(JSON command GET "${database}" ${i} command)
  # "<compiler> <flags> -o <object> -c <source>": Clang in place of the compiler, no object.
  # (string(REGEX REPLACE) would take "^" again after each match: cut by hand.)
  string(FIND "${command}" " " first_space)
  string(SUBSTRING "${command}" ${first_space} -1 arguments)
  set(command "\"${CLANGXX}\"${arguments}")
  string(REGEX REPLACE " -o [^ ]+ " " -fsyntax-only " command "${command}")
  string(APPEND commands "cd \"${directory}\" && ${command}\n")
  math(EXPR checked "${checked} + 1")
endforeach()

set(list_file "${CMAKE_CURRENT_BINARY_DIR}/clang-syntax-commands.txt")
file(WRITE "${list_file}" "${commands}")
message(STATUS "Clang syntax check of ${checked} translation units with ${CLANGXX}, ${JOBS} at a time")
execute_process(COMMAND xargs -d "\n" -n 1 -P ${JOBS} sh -c
                INPUT_FILE "${list_file}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Clang found errors (see above).")
endif()
message(STATUS "All ${checked} translation units compile with Clang.")
