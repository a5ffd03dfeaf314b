# The Windows package: a zip (CPack) holding remendor-db.exe, the repair
# metadata Remendor.mdb, the two barcode fonts and LEAME.txt for the
# operator, all in one folder, the program's folder: unzipped anywhere the
# operator may write (the metadata is rewritten in place by every repair).
#
# The windowed programs need Qt for Windows, which this build does not
# have; a build on Windows with Qt adds them to the same folder (README).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/LEAME.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME remendor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Remendor")
set(CPACK_SYSTEM_NAME windows-x64)
set(REMENDOR_WINDOWS_PACKAGE remendor-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_FILE_NAME ${REMENDOR_WINDOWS_PACKAGE})
set(CPACK_STRIP_FILES ON)
include(CPack)

# The zip is made, unpacked into a scratch folder and used from there
# under the emulator: a sample installation in a folder with an accent,
# repaired through the unpacked metadata. Skips, saying "SKIP: ", without
# an emulator.
add_test(NAME Package.WindowsZipRepairsFromItsFolder
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                 -DCPACK=${CMAKE_CPACK_COMMAND} -DPACKAGE=${REMENDOR_WINDOWS_PACKAGE}
                 -P ${PROJECT_SOURCE_DIR}/cmake/CheckWindowsPackage.cmake)
set_tests_properties(Package.WindowsZipRepairsFromItsFolder
                     PROPERTIES SKIP_REGULAR_EXPRESSION "SKIP: " TIMEOUT 300 RUN_SERIAL ON)
