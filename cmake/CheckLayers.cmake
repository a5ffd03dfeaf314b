# The layering test: cmake -DGRAPH=<build>/layers.cmake -DROOT=<source> -P
#
# Reads the graph that remendor_layer() wrote and checks every #include of
# every file of a layer: a quoted include with a folder must name a header
# of the file's own layer or of a layer it declares (a quoted include
# without a folder is the file's own neighbour); a layer that declares a
# folder may also include the folder's own parts below it (the layers nested
# in it that it declares: using dao gives dao/sql and dao/functions). An
# angle include of Qt is allowed in widget layers only, and <sqlite3.h> in
# the engine's object model only (sqlite_layers), its tests included.
# tests/<folder> may include what src/<folder> may, the layer itself,
# tests/support and the sample builders (src/samples), which exist for the
# tests and the demonstration.
# Prints one line per offence and fails when there is any.
cmake_minimum_required(VERSION 3.25)
include(${GRAPH})

# The layers that talk to SQLite.
set(sqlite_layers dao)

# The layer a header folder belongs to: the longest declared folder that
# is the folder itself or one of its parents.
function(owning_layer include_dir out)
  set(best "")
  foreach(layer IN LISTS layers)
    if(include_dir STREQUAL layer OR include_dir MATCHES "^${layer}/")
      string(LENGTH "${layer}" len)
      string(LENGTH "${best}" best_len)
      if(len GREATER best_len)
        set(best ${layer})
      endif()
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

set(offences 0)
function(check_file file layer allowed qt)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  file(RELATIVE_PATH shown ${ROOT} ${file})
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      get_filename_component(header_dir ${header} DIRECTORY)
      if(header_dir STREQUAL "")
        continue()
      endif()
      owning_layer(${header_dir} target)
      if(target STREQUAL "")
        set(target ${header_dir})
      endif()
      if(NOT target IN_LIST allowed)
        message("${shown}: includes \"${header}\": layer ${layer} may use only ${allowed}")
        math(EXPR offences "${offences} + 1")
        set(offences ${offences} PARENT_SCOPE)
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)[/>]" AND NOT qt)
      message("${shown}: includes <${CMAKE_MATCH_1}>: layer ${layer} is not a widget layer")
      math(EXPR offences "${offences} + 1")
      set(offences ${offences} PARENT_SCOPE)
    elseif(line MATCHES "#[ \t]*include[ \t]*<sqlite3.h>" AND NOT layer IN_LIST sqlite_layers)
      message("${shown}: includes <sqlite3.h>: only the engine talks to SQLite")
      math(EXPR offences "${offences} + 1")
      set(offences ${offences} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# Files of a layer: those under its folder that no deeper layer owns.
function(layer_files base layer out)
  file(GLOB_RECURSE files ${ROOT}/${base}/${layer}/*.cpp ${ROOT}/${base}/${layer}/*.h)
  set(own)
  foreach(f IN LISTS files)
    file(RELATIVE_PATH rel ${ROOT}/${base} ${f})
    get_filename_component(rel_dir ${rel} DIRECTORY)
    owning_layer(${rel_dir} owner)
    if(owner STREQUAL layer)
      list(APPEND own ${f})
    endif()
  endforeach()
  set(${out} ${own} PARENT_SCOPE)
endfunction()

# The layers a layer may include: itself, those it declares, and the parts
# nested in a declared folder that the folder itself declares.
function(allowed_layers layer out)
  set(allowed ${layer} ${deps_${layer}})
  foreach(dep IN LISTS deps_${layer})
    foreach(part IN LISTS deps_${dep})
      if(part MATCHES "^${dep}/")
        list(APPEND allowed ${part})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set(${out} "${allowed}" PARENT_SCOPE)
endfunction()

foreach(layer IN LISTS layers)
  allowed_layers(${layer} allowed)
  layer_files(src ${layer} files)
  foreach(f IN LISTS files)
    check_file(${f} ${layer} "${allowed}" "${qt_${layer}}")
  endforeach()
  layer_files(tests ${layer} files)
  foreach(f IN LISTS files)
    check_file(${f} ${layer} "${allowed};support;samples" "${qt_${layer}}")
  endforeach()
endforeach()

if(offences GREATER 0)
  message(FATAL_ERROR "${offences} include(s) break the layering declared in src/CMakeLists.txt")
endif()
list(LENGTH layers count)
message("Layering: every include of the ${count} layers follows the declared graph")
