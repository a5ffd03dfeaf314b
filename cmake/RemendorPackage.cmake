# The version the programs tell, the desktop entries of the windowed
# programs, and the Debian package that CPack makes from `cmake --install`.
#
# The installed layout (prefix /usr in the package, /usr/local by default):
#   lib/remendor/     the programs, the repair metadata Remendor.mdb and the
#                     barcode fonts, side by side: the programs find the
#                     metadata beside their real executable (installed by
#                     src/programs/CMakeLists.txt)
#   bin/              links to the programs
#   share/applications, share/icons/hicolor/scalable/apps
#                     a menu entry and an icon per windowed program
# The metadata is installed writable by everyone: every repair unscrambles
# and scrambles it again in place, and the operator is an ordinary user.

target_compile_definitions(remendor_repair PRIVATE REMENDOR_VERSION="${PROJECT_VERSION}")

# Each windowed program has packaging/<program>.desktop and
# packaging/<program>.svg; a new one adds its name here.
set(REMENDOR_DESKTOP_PROGRAMS remendor remendor-galeria)
set(REMENDOR_DESKTOP_ENTRIES)
foreach(program IN LISTS REMENDOR_DESKTOP_PROGRAMS)
  if(TARGET ${program})
    set(entry ${PROJECT_SOURCE_DIR}/packaging/${program}.desktop)
    list(APPEND REMENDOR_DESKTOP_ENTRIES ${entry})
    install(FILES ${entry} DESTINATION share/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${program}.svg
            DESTINATION share/icons/hicolor/scalable/apps)
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME remendor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Remendor")
set(CPACK_PACKAGE_CONTACT "Remendor <remendor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "repairs the database of an installed VORA")
set(CPACK_PACKAGE_DESCRIPTION
    "Finds the VORA installation through novuPath.sys, sets NULL amounts to 0, re-creates the tables that its repair metadata marks and stamps the version. remendor is the window, remendor-db the command-line tool for the engine's database files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
# Libraries come from the programs themselves when dpkg-shlibdeps can tell;
# what they only start at run time is named here: Qt's platform plugins
# (the window cannot open without one) and fc-cache, which registers the
# barcode fonts.
set(REMENDOR_RUNTIME_DEPENDS "fontconfig")
if(TARGET remendor)
  string(APPEND REMENDOR_RUNTIME_DEPENDS ", qt6-qpa-plugins")
endif()
find_program(REMENDOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(REMENDOR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${REMENDOR_RUNTIME_DEPENDS}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libgcc-s1, libsqlite3-0, libssl3, ${REMENDOR_RUNTIME_DEPENDS}")
  if(TARGET remendor)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6core6, libqt6gui6, libqt6widgets6, libqt6svg6")
  endif()
endif()
include(CPack)

# The menu entries pass the desktop's own check, and the package installs
# and repairs from its installed layout. Both skip, saying "SKIP:", when a
# tool they need is missing.
string(REPLACE ";" "|" entries "${REMENDOR_DESKTOP_ENTRIES}")
add_test(NAME Package.DesktopEntriesAreValid
         COMMAND ${CMAKE_COMMAND} "-DENTRIES=${entries}"
                 -P ${PROJECT_SOURCE_DIR}/cmake/CheckDesktopEntries.cmake)
add_test(NAME Package.DebInstallsAndRepairsFromItsLayout
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DWINDOWED=$<TARGET_EXISTS:remendor>
                 -P ${PROJECT_SOURCE_DIR}/cmake/CheckPackage.cmake)
set_tests_properties(Package.DesktopEntriesAreValid Package.DebInstallsAndRepairsFromItsLayout
                     PROPERTIES SKIP_REGULAR_EXPRESSION "SKIP: ")
set_tests_properties(Package.DebInstallsAndRepairsFromItsLayout PROPERTIES TIMEOUT 120 RUN_SERIAL ON)
