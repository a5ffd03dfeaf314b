# The cross-system check: a database made by one build is repaired by the
# other, both ways, and each build reads what the other wrote.
#   cmake -DLINUX_TOOL=<remendor-db> -DWINDOWS_TOOL=<remendor-db.exe>
#         -DEMULATOR=<wine command> -DSCRATCH=<folder> -P CheckCrossSystem.cmake
#
# Prints, for each way, the rows of the host's tables before and after the
# repair as both builds count them: the declarations and the employees keep
# their rows, their empty amounts become 0, a table marked for repair is
# rebuilt empty and the version is stamped. Skips, saying "SKIP: ", without
# a Windows build or an emulator.
cmake_minimum_required(VERSION 3.25)
if(NOT EMULATOR OR NOT EXISTS "${WINDOWS_TOOL}")
  message("SKIP: no Windows build (scripts/windows) or no emulator to run it")
  return()
endif()

include("${CMAKE_CURRENT_LIST_DIR}/CheckRun.cmake")

set(nulls
    "select (count(*) - count(Adicionales)) + (count(*) - count(Premios)) + (count(*) - count(CantidadHorasExtra)) + (count(*) - count(SueldoDto788_05)) + (count(*) - count(AportesSSDto788_05)) + (count(*) - count(RemuneracionImponible7)) + (count(*) - count(AportesRes33_41_SSS)) from 22Cuiles")
set(queries
    "21Declaraciones_Juradas|select count(*) from 21Declaraciones_Juradas"
    "22Cuiles|select count(*) from 22Cuiles"
    "importes vacíos en 22Cuiles|${nulls}"
    "12Obras_Sociales|select count(*) from 12Obras_Sociales"
    "VersionBase|select count(*) from VersionBase")

# One number per query, as the tool of `side` reads the host.
function(counts side host result)
  set(line "")
  foreach(entry IN LISTS queries)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 label)
    list(GET parts 1 query)
    if(side STREQUAL "Linux")
      execute_process(COMMAND ${LINUX_TOOL} query --csv ${host} "${query}"
                      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    else()
      execute_process(COMMAND ${EMULATOR} ${WINDOWS_TOOL} query --csv Z:${host} "${query}"
                      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    endif()
    if(NOT status EQUAL 0)
      set(out "-")
    else()
      string(REGEX REPLACE "^[^\r\n]*\r?\n([^\r\n]*).*$" "\\1" out "${out}")
    endif()
    string(APPEND line "${label} ${out}; ")
  endforeach()
  set(${result} "${line}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})

# Made on Linux, repaired on Windows.
set(a "${SCRATCH}/hecha en Linux")
run(${LINUX_TOOL} demo ${a})
set(host "${a}/novu/VORA12/VORA12.mdb")
counts(Linux "${host}" linuxBefore)
counts(Windows "${host}" windowsBefore)
run(${EMULATOR} ${WINDOWS_TOOL} repair --version 27 --install "Z:${a}/novu/VORA12")
set(repairedOnWindows "${out}")
counts(Linux "${host}" linuxAfter)
counts(Windows "${host}" windowsAfter)
message("Made by Linux, repaired by Windows:\n${repairedOnWindows}"
        "  before, read by Linux:   ${linuxBefore}\n"
        "  before, read by Windows: ${windowsBefore}\n"
        "  after, read by Linux:    ${linuxAfter}\n"
        "  after, read by Windows:  ${windowsAfter}")
set(one "${linuxAfter}")

# Made on Windows, repaired on Linux.
set(b "${SCRATCH}/hecha en Windows")
run(${EMULATOR} ${WINDOWS_TOOL} demo "Z:${b}")
set(host "${b}/novu/VORA12/VORA12.mdb")
counts(Windows "${host}" windowsBefore)
counts(Linux "${host}" linuxBefore)
run(${LINUX_TOOL} repair --version 27 --install "${b}/novu/VORA12")
set(repairedOnLinux "${out}")
counts(Windows "${host}" windowsAfter)
counts(Linux "${host}" linuxAfter)
message("Made by Windows, repaired by Linux:\n${repairedOnLinux}"
        "  before, read by Windows: ${windowsBefore}\n"
        "  before, read by Linux:   ${linuxBefore}\n"
        "  after, read by Windows:  ${windowsAfter}\n"
        "  after, read by Linux:    ${linuxAfter}")

# The sample is the same on both systems (its generator is seeded), so
# both ways end alike; each build reads the other's files alike.
foreach(pair "linuxBefore;windowsBefore" "linuxAfter;windowsAfter" "one;linuxAfter")
  list(GET pair 0 x)
  list(GET pair 1 y)
  if(NOT "${${x}}" STREQUAL "${${y}}")
    message(FATAL_ERROR "the builds disagree: ${${x}} / ${${y}}")
  endif()
endforeach()
if(NOT linuxAfter MATCHES "importes vacíos en 22Cuiles 0; 12Obras_Sociales 0; VersionBase 1;"
   OR NOT linuxBefore MATCHES "VersionBase -;")
  message(FATAL_ERROR "the repair did not do its work: ${linuxBefore} -> ${linuxAfter}")
endif()
