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
#   share/doc/remendor  the copyright and the changelog
#   share/man/man1      a manual page per program, made by help2man from its
#                       --help at build time
# The metadata is installed read-only (0644, root's in the package): only
# the administrator decides which host tables a repair drops. An operator
# who may not write it repairs from a private copy (src/repair).

target_compile_definitions(remendor_repair PRIVATE REMENDOR_VERSION="${PROJECT_VERSION}")

# Windows gets a zip of its own (cmake/RemendorWindowsPackage.cmake).
if(WIN32)
  include(RemendorWindowsPackage)
  return()
endif()

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

# The copyright, the changelog (whose first entry carries the package's
# version) and a manual page per program, as Debian's checks want them.
set(REMENDOR_DOCS ${CMAKE_BINARY_DIR}/packaging)
set(REMENDOR_DOCS_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/PackageDocs.cmake)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^remendor \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog must begin with an entry for ${PROJECT_VERSION}: "
                      "${changelog_head}")
endif()
add_custom_command(
  OUTPUT ${REMENDOR_DOCS}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -DMODE=gzip -DIN=${PROJECT_SOURCE_DIR}/packaging/changelog
          -DOUT=${REMENDOR_DOCS}/changelog.gz -P ${REMENDOR_DOCS_SCRIPT}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog ${REMENDOR_DOCS_SCRIPT}
  VERBATIM)
set(REMENDOR_DOC_OUTPUTS ${REMENDOR_DOCS}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${REMENDOR_DOCS}/changelog.gz
        DESTINATION share/doc/remendor)

set(REMENDOR_MANUAL_remendor "repara la base de datos de una instalación de VORA")
set(REMENDOR_MANUAL_remendor-db "mira, crea y cambia las bases de datos del motor de Remendor")
set(REMENDOR_MANUAL_remendor-galeria "galería de los controles de la biblioteca de Remendor")
find_program(REMENDOR_HELP2MAN help2man)
if(NOT REMENDOR_HELP2MAN)
  message(STATUS "help2man is missing: the programs get no manual pages")
endif()
foreach(program remendor remendor-db remendor-galeria)
  if(TARGET ${program} AND REMENDOR_HELP2MAN)
    set(page ${REMENDOR_DOCS}/${program}.1)
    add_custom_command(
      OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -DMODE=manpage -DPROGRAM=$<TARGET_FILE:${program}>
              "-DDESCRIPTION=${REMENDOR_MANUAL_${program}}" -DVERSION=${PROJECT_VERSION}
              -DOUT=${page} -P ${REMENDOR_DOCS_SCRIPT}
      DEPENDS ${program} ${REMENDOR_DOCS_SCRIPT}
      COMMENT "Manual page of ${program}"
      VERBATIM)
    list(APPEND REMENDOR_DOC_OUTPUTS ${page})
    # The page names the folder the program ran from; installed, it names
    # the folder it is installed in.
    install(CODE "
      execute_process(COMMAND \"${CMAKE_COMMAND}\" -DMODE=install-manpage \"-DIN=${page}\"
                              \"-DBUILT_FOLDER=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}\"
                              \"-DINSTALLED_FOLDER=\${CMAKE_INSTALL_PREFIX}/lib/remendor\"
                              \"-DOUT=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/man/man1/${program}.1.gz\"
                              -P \"${REMENDOR_DOCS_SCRIPT}\"
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"the manual page of ${program} could not be installed\")
      endif()")
  endif()
endforeach()
add_custom_target(remendor_docs ALL DEPENDS ${REMENDOR_DOC_OUTPUTS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME remendor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Remendor")
# The project's own identity, the one its history is written under.
set(CPACK_PACKAGE_CONTACT
    "Remendor maintainers <maintainers@users.noreply.c-seed-9fe8a012.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "repairs the database of an installed VORA")
# Debian's control file takes description lines of at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Finds the VORA installation through novuPath.sys, sets NULL amounts to 0,
re-creates the tables that its repair metadata marks and stamps the
version. remendor is the window, remendor-db the command-line tool for the
engine's database files, remendor-galeria the gallery of the library's
controls.")
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
      "libc6, libstdc++6, libgcc-s1, libsqlite3-0, libnettle8, ${REMENDOR_RUNTIME_DEPENDS}")
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
