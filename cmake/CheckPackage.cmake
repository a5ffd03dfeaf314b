# Makes the Debian package with CPack, unpacks it with `dpkg -x` into a
# scratch root and runs the programs from there, through their links in
# usr/bin, as an operator would: remendor-db makes a sample installation and
# repairs it with the installed metadata. Prints the package's file list.
#
# The repair runs as an unprivileged user when the test runs as root (as
# `nobody`, through setpriv), so that the metadata's write permission is
# really put to the test; otherwise the user running the test is one.
#
# BUILD: the build folder (built, with its CPackConfig.cmake); WINDOWED: 1
# when the window program is built.
foreach(tool cpack dpkg dpkg-deb)
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
foreach(dep libsqlite3 libssl fontconfig libstdc)
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
foreach(file Remendor.mdb 3of9.ttf bar25IT.ttf)
  if(NOT EXISTS ${lib}/${file})
    fail("not installed: lib/remendor/${file}")
  endif()
endforeach()
expect_match("${listing}" "-rw-rw-rw- [^\n]* ./usr/lib/remendor/Remendor.mdb" "metadata's mode")

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
endif()
set(sample ${scratch}/operador/muestra)
run(${as_operator} ${root}/usr/bin/remendor-db demo ${sample})
file(SHA256 ${lib}/Remendor.mdb before)
run(${as_operator} env WINDIR=${sample}/windows ${root}/usr/bin/remendor-db repair --version 27)
message("${out}")
expect_match("${out}" "^Información: Reparación de base de datos exitosa\nInstalación reparada: ${sample}/novu/VORA12\n$"
             "repair")
run(${root}/usr/bin/remendor-db status ${lib}/Remendor.mdb)
expect_match("${out}" "Estado: encriptada" "metadata after the repair")
file(SHA256 ${lib}/Remendor.mdb after)
if(NOT before STREQUAL after)
  fail("the repair left the installed metadata changed")
endif()
run(${root}/usr/bin/remendor-db query ${sample}/novu/VORA12/VORA12.mdb "select Version from VersionBase")
expect_match("${out}" "27" "version stamped")
file(REMOVE_RECURSE ${scratch})
message("installed, repaired from the installed layout: ok")
