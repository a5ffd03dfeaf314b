# The Windows package's test:
#   cmake -DBUILD=<build> -DEMULATOR=<wine command> -DCPACK=<cpack>
#         -DPACKAGE=<file name without .zip> -P CheckWindowsPackage.cmake
#
# Makes the zip, checks that it holds the program, the metadata, the fonts
# and the operator's README side by side, unpacks it, and from the unpacked
# folder makes a sample installation in a folder whose name has an accent
# and repairs it through the unpacked metadata.
cmake_minimum_required(VERSION 3.25)
if(NOT EMULATOR)
  message("SKIP: no emulator to run Windows programs")
  return()
endif()

include("${CMAKE_CURRENT_LIST_DIR}/CheckRun.cmake")

set(scratch ${BUILD}/package-check)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})
run(${CPACK} -G ZIP -B ${scratch} --config ${BUILD}/CPackConfig.cmake)
set(zip ${scratch}/${PACKAGE}.zip)
run(${CMAKE_COMMAND} -E tar tf ${zip})
foreach(file remendor-db.exe Remendor.mdb 3of9.ttf bar25IT.ttf LEAME.txt)
  if(NOT out MATCHES "${PACKAGE}/${file}\n")
    message(FATAL_ERROR "${zip} lacks ${file}:\n${out}")
  endif()
endforeach()

file(MAKE_DIRECTORY ${scratch}/unpacked)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${scratch}/unpacked)
set(program Z:${scratch}/unpacked/${PACKAGE}/remendor-db.exe)
set(sample "Z:${scratch}/Instalación de prueba")
run(${EMULATOR} ${program} demo ${sample})
run(${EMULATOR} ${program} repair --version 26 --install ${sample}/novu/VORA12)
if(NOT out MATCHES "Reparación de base de datos exitosa")
  message(FATAL_ERROR "the unpacked program did not repair:\n${out}")
endif()
message("The zip holds the program, its metadata, fonts and README, and repairs from its folder:\n${out}")
