# Makes the Debian package with CPack, checks it with lintian (no error, no
# warning), unpacks it with `dpkg -x` into a scratch root and runs the
# programs from there, through their links in usr/bin, as an operator
# would: remendor-db makes a sample installation and repairs it with the
# installed metadata. Prints the package's file list, lintian's report and
# `ls -l` of the installed files.
#
# The installed metadata is read-only to the operator (root's, 0644), and
# the repair runs as an unprivileged user: as `nobody`, through setpriv,
# when the test runs as root; otherwise as the user running the test, with
# the write permission taken from the unpacked file. The repair must leave
# the metadata byte for byte as installed and no private copy behind.
#
# The manual pages must say what the programs' --help says: each page
# holds its program's usage line and names the installed folder.
#
# BUILD: the build folder (built, with its CPackConfig.cmake); WINDOWED: 1
# when the window program is built.
foreach(tool cpack dpkg dpkg-deb lintian man)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    message("SKIP: ${tool} is missing")
    return()
  endif()
endforeach()

string(RANDOM LENGTH 8 tag)
set(scratch /tmp/remendor-package-${tag})
file(MAKE_DIRECTORY ${scratch})

# A failure leaves no scratch root behind.
function(fail text)
  file(REMOVE_RECURSE ${scratch})
  message(FATAL_ERROR "${text}")
endfunction()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(failed)
    fail("${ARGN}\nfailed (${failed}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect_match text regex what)
  if(NOT text MATCHES "${regex}")
    fail("${what}: expected /${regex}/ in:\n${text}")
  endif()
endfunction()

run(${cpack_path} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${scratch}/paquete)
file(GLOB debs ${scratch}/paquete/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  fail("expected one .deb, found: ${debs}")
endif()
run(${dpkg-deb_path} --field ${debs} Package Version Depends)
message("${out}")
set(fields "${out}")
foreach(dep libsqlite3 libnettle8 fontconfig libstdc)
  expect_match("${fields}" "Depends:.*${dep}" "dependencies")
endforeach()
if(WINDOWED)
  foreach(dep libqt6widgets6 qt6-qpa-plugins)
    expect_match("${fields}" "Depends:.*${dep}" "dependencies")
  endforeach()
endif()
run(${dpkg_path} -c ${debs})
message("${out}")
set(listing "${out}")

# Debian's own check: any error or warning fails the test.
execute_process(COMMAND ${lintian_path} --fail-on error,warning --tag-display-limit 0 ${debs}
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("lintian: ${out}${err}")
if(failed OR out MATCHES "(^|\n)[EW]: ")
  fail("lintian found errors or warnings:\n${out}${err}")
endif()

set(root ${scratch}/raiz)
run(${dpkg_path} -x ${debs} ${root})
set(lib ${root}/usr/lib/remendor)
set(programs remendor-db)
if(WINDOWED)
  list(APPEND programs remendor remendor-galeria)
  foreach(file share/applications/remendor.desktop
               share/icons/hicolor/scalable/apps/remendor.svg
               share/applications/remendor-galeria.desktop
               share/icons/hicolor/scalable/apps/remendor-galeria.svg)
    if(NOT EXISTS ${root}/usr/${file})
      fail("not installed: ${file}")
    endif()
  endforeach()
endif()
foreach(program IN LISTS programs)
  file(READ_SYMLINK ${root}/usr/bin/${program} target)
  if(NOT target STREQUAL "../lib/remendor/${program}")
    fail("usr/bin/${program} links to '${target}'")
  endif()
  run(${root}/usr/bin/${program} --version)
  expect_match("${out}" "^${program} [0-9]+\\.[0-9]+\\.[0-9]+\n$" "${program} --version")
  message("${out}")
endforeach()
foreach(file lib/remendor/Remendor.mdb lib/remendor/3of9.ttf lib/remendor/bar25IT.ttf
             share/doc/remendor/copyright share/doc/remendor/changelog.gz)
  if(NOT EXISTS ${root}/usr/${file})
    fail("not installed: ${file}")
  endif()
endforeach()
expect_match("${listing}" "-rw-r--r-- root/root [^\n]* ./usr/lib/remendor/Remendor.mdb"
             "metadata's mode and owner")

# Each manual page holds the usage line of its program's help and, where the
# help names the program's folder, the folder it is installed in.
foreach(program IN LISTS programs)
  set(page ${root}/usr/share/man/man1/${program}.1.gz)
  if(NOT EXISTS ${page})
    fail("not installed: share/man/man1/${program}.1.gz")
  endif()
  # Compared with runs of blanks as one: the page is filled and justified.
  run(env LC_ALL=C.UTF-8 MANWIDTH=200 ${man_path} -l ${page})
  string(REGEX REPLACE "[ \t\n]+" " " shown "${out}")
  run(env -u WINDIR ${root}/usr/bin/${program} --help)
  set(help "${out}")
  string(REGEX MATCH "^Uso: [^\n]*" usage "${out}")
  string(REGEX REPLACE "^Uso: |[ \t]+$" "" usage "${usage}")
  string(REGEX REPLACE "[ \t]+" " " usage "${usage}")
  string(FIND "${shown}" "${usage}" at)
  if(at EQUAL -1)
    fail("the manual page of ${program} lacks its usage '${usage}':\n${shown}")
  endif()
  if(help MATCHES "junto al programa")
    expect_match("${shown}" "junto al programa \\(/usr/lib/remendor\\)"
                 "manual page of ${program}")
  endif()
endforeach()

# The help names the installed metadata: the link was resolved.
run(env WINDIR=${scratch}/muestra/windows ${root}/usr/bin/remendor-db --help)
expect_match("${out}" "junto al programa \\(${lib}\\)" "remendor-db --help")
expect_match("${out}" "ahora ${scratch}/muestra/windows" "remendor-db --help")

# The operator: an ordinary user who owns the sample but not the program.
set(as_operator)
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
  find_program(setpriv_path setpriv)
  if(NOT setpriv_path)
    message("SKIP: running as root without setpriv, the metadata's write permission is untested")
    file(REMOVE_RECURSE ${scratch})
    return()
  endif()
  set(as_operator ${setpriv_path} --reuid=65534 --regid=65534 --clear-groups)
  file(MAKE_DIRECTORY ${scratch}/operador)
  run(chown 65534:65534 ${scratch}/operador)
  file(CHMOD ${scratch} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                     WORLD_READ WORLD_EXECUTE)
  message("as operator: uid 65534")
else()
  file(MAKE_DIRECTORY ${scratch}/operador)
  # The unpacked file is this user's: only its mode can keep it from them.
  file(CHMOD ${lib}/Remendor.mdb PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
  message("as operator: the user running the test")
endif()
execute_process(COMMAND ls -lR ${root}/usr OUTPUT_VARIABLE out)
string(REPLACE "${root}" "" out "${out}")
message("installed files:\n${out}")
set(sample ${scratch}/operador/muestra)
set(private ${scratch}/operador/tmp)
run(${as_operator} ${CMAKE_COMMAND} -E make_directory ${private})
run(${as_operator} ${root}/usr/bin/remendor-db demo ${sample})
file(SHA256 ${lib}/Remendor.mdb before)
run(${as_operator} env -u XDG_RUNTIME_DIR TMPDIR=${private} WINDIR=${sample}/windows
    ${root}/usr/bin/remendor-db repair --version 27)
message("${out}")
expect_match("${out}" "^Información: Reparación de base de datos exitosa\nInstalación reparada: ${sample}/novu/VORA12\n$"
             "repair")
run(${root}/usr/bin/remendor-db status ${lib}/Remendor.mdb)
expect_match("${out}" "Estado: encriptada" "metadata after the repair")
file(SHA256 ${lib}/Remendor.mdb after)
if(NOT before STREQUAL after)
  fail("the repair left the installed metadata changed")
endif()
file(GLOB left ${private}/*)
if(left)
  fail("the repair left its private copy behind: ${left}")
endif()
run(${root}/usr/bin/remendor-db query ${sample}/novu/VORA12/VORA12.mdb "select Version from VersionBase")
expect_match("${out}" "27" "version stamped")
file(REMOVE_RECURSE ${scratch})
message("installed, repaired from the installed layout: ok")
