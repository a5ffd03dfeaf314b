# The formatting test: cmake -DCLANG_FORMAT=<program> -DROOT=<source> -P
#
# Every C++ file of src/, tests/, tools/ and bench/ must be as the
# project's .clang-format writes it (the clang-format of Debian 12, which
# scripts/deps installs). Prints clang-format's own report of each place
# that differs; "clang-format -i FILE" mends it.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
     ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  message("${report}")
  message(FATAL_ERROR "Some files differ from .clang-format: run clang-format -i on them")
endif()
list(LENGTH files count)
message("Formatting: the ${count} C++ files follow .clang-format")
