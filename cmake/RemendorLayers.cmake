# remendor_layer(FOLDER [DEPENDS folder...] [LIBS lib...] [QT]
#                [EXECUTABLE name])
#
# Declares the folder src/FOLDER as a layer: a static library remendor_<name>
# (FOLDER with "/" as "_") of the folder's own sources, not those of a
# subfolder that is a layer of its own, linking the layers it DEPENDS on and
# the external LIBS. QT marks a widget layer. EXECUTABLE builds the folder as
# that program instead of a library (the programs live in src/programs).
#
# Every declaration is also written to ${REMENDOR_LAYER_GRAPH}, which the
# layering test reads: a file may include headers of its own layer and of
# the layers it declares, nothing else, and no Qt header unless it is QT.
# The same graph stays in global properties for the rest of the build:
#   REMENDOR_LAYERS                 every folder, in declaration order
#   REMENDOR_PROGRAMS               every EXECUTABLE, which the packaging installs
#   REMENDOR_LAYER_TARGET_<name>    the layer's library or program
#   REMENDOR_LAYER_LINKS_<name>     the libraries of the layers it DEPENDS on
#   REMENDOR_LAYER_QT_<name>        TRUE for a widget layer
# from which tests/ makes one test executable per layer.
set(REMENDOR_LAYER_GRAPH ${CMAKE_BINARY_DIR}/layers.cmake)
file(WRITE ${REMENDOR_LAYER_GRAPH} "# Written by cmake/RemendorLayers.cmake at configure time.\n")
set_property(GLOBAL PROPERTY REMENDOR_LAYER_SOURCES "")
set_property(GLOBAL PROPERTY REMENDOR_LAYERS "")
set_property(GLOBAL PROPERTY REMENDOR_PROGRAMS "")

function(remendor_layer folder)
  cmake_parse_arguments(L "QT" "EXECUTABLE" "DEPENDS;LIBS" ${ARGN})
  string(REPLACE "/" "_" name ${folder})
  set(dir ${PROJECT_SOURCE_DIR}/src/${folder})

  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  # A subfolder declared as a layer keeps its files; so does any "ui"
  # subfolder, declared or not, so that widget code never slips into a core
  # library.
  list(FILTER sources EXCLUDE REGEX "^${dir}/(.*/)?ui/")
  foreach(sub IN LISTS L_DEPENDS)
    if(sub MATCHES "^${folder}/")
      list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/src/${sub}/")
    endif()
  endforeach()

  set(deps)
  foreach(dep IN LISTS L_DEPENDS)
    string(REPLACE "/" "_" dep_name ${dep})
    list(APPEND deps remendor_${dep_name})
  endforeach()

  if(L_EXECUTABLE)
    set(target ${L_EXECUTABLE})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${deps} ${L_LIBS})
    set_property(GLOBAL APPEND PROPERTY REMENDOR_PROGRAMS ${target})
  else()
    set(target remendor_${name})
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${deps} ${L_LIBS})
  endif()
  target_compile_options(${target} PRIVATE ${REMENDOR_WARNINGS})
  if(L_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::Svg)
  endif()

  set_property(GLOBAL APPEND PROPERTY REMENDOR_LAYER_SOURCES ${sources})
  set_property(GLOBAL APPEND PROPERTY REMENDOR_LAYERS ${folder})
  set_property(GLOBAL PROPERTY REMENDOR_LAYER_TARGET_${name} ${target})
  set_property(GLOBAL PROPERTY REMENDOR_LAYER_LINKS_${name} ${deps})
  set_property(GLOBAL PROPERTY REMENDOR_LAYER_QT_${name} ${L_QT})
  file(APPEND ${REMENDOR_LAYER_GRAPH}
       "list(APPEND layers \"${folder}\")\n"
       "set(\"deps_${folder}\" \"${L_DEPENDS}\")\n"
       "set(\"qt_${folder}\" \"${L_QT}\")\n"
       "set(\"target_${folder}\" \"${target}\")\n")
endfunction()

# Fails the configuration when a source file under src/ belongs to no
# layer: a new folder, or a "ui" subfolder, that nobody declared yet.
function(remendor_check_every_file_has_a_layer)
  get_property(claimed GLOBAL PROPERTY REMENDOR_LAYER_SOURCES)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp
       ${PROJECT_SOURCE_DIR}/src/*.h)
  foreach(f IN LISTS all)
    if(NOT f IN_LIST claimed)
      file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${f})
      message(FATAL_ERROR "${rel} belongs to no layer: declare its folder in src/CMakeLists.txt")
    endif()
  endforeach()
endfunction()
