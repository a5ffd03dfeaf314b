# The files Debian asks of a package besides its programs, made by
# `cmake -P` at build and install time:
#
#   MODE=gzip IN OUT            OUT is IN compressed as Debian wants it:
#                               gzip -9, with no name or time stamp inside.
#   MODE=manpage PROGRAM NAME DESCRIPTION VERSION OUT
#                               OUT is the manual page of PROGRAM (its NAME
#                               as installed) made by help2man from its
#                               --help and --version, in UTF-8, with WINDIR
#                               unset, so that the page states the rules of
#                               where the program looks, not what this build
#                               machine holds.
#   MODE=install-manpage IN BUILT_FOLDER INSTALLED_FOLDER OUT
#                               OUT (gzipped) is the page IN with the folder
#                               the program ran from when the page was made
#                               replaced by the folder it is installed in.
cmake_minimum_required(VERSION 3.25)

function(gzip_to in out)
  get_filename_component(dir ${out} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND gzip -9 -n -c ${in} OUTPUT_FILE ${out} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${in} failed: ${failed}")
  endif()
endfunction()

if(MODE STREQUAL "gzip")
  gzip_to(${IN} ${OUT})
elseif(MODE STREQUAL "manpage")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=WINDIR LC_ALL=C.UTF-8
            help2man --no-info --section=1 --locale=C.UTF-8 --no-discard-stderr
                     "--name=${DESCRIPTION}" "--version-string=${VERSION}"
                     --output=${OUT}.tmp ${PROGRAM}
    RESULT_VARIABLE failed ERROR_VARIABLE err)
  if(failed)
    message(FATAL_ERROR "help2man ${PROGRAM} failed (${failed}): ${err}")
  endif()
  file(READ ${OUT}.tmp page)
  file(REMOVE ${OUT}.tmp)
  # The help tells whether WINDIR is set at that moment; the page states
  # only the rule.
  string(REPLACE " (WINDIR no está definida)" "" page "${page}")
  file(WRITE ${OUT} "${page}")
elseif(MODE STREQUAL "install-manpage")
  file(READ ${IN} page)
  # help2man writes a "-" of the text as roff's "\-": a folder such as
  # build-release appears so in the page.
  string(REPLACE "-" "\\-" built_in_roff "${BUILT_FOLDER}")
  string(REPLACE "-" "\\-" installed_in_roff "${INSTALLED_FOLDER}")
  string(REPLACE "${built_in_roff}" "${installed_in_roff}" page "${page}")
  string(REPLACE "${BUILT_FOLDER}" "${INSTALLED_FOLDER}" page "${page}")
  file(WRITE ${OUT}.tmp "${page}")
  gzip_to(${OUT}.tmp ${OUT})
  file(REMOVE ${OUT}.tmp)
else()
  message(FATAL_ERROR "PackageDocs.cmake: unknown MODE '${MODE}'")
endif()
