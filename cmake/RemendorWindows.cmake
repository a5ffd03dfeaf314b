# What a Windows build links instead of the Linux system's libraries:
#   SQLite        compiled from its pinned amalgamation (third_party/sqlite)
#   cryptography  Windows CNG (bcrypt), behind the engine's crypto seam
#   GoogleTest    built from the source Debian's googletest package ships
#                 (REMENDOR_GTEST_SOURCE); a native Windows build with an
#                 installed GoogleTest leaves it empty
# The Windows API is used in its wide-character form; Windows 7 is the
# oldest version whose calls the code relies on.
add_subdirectory(${PROJECT_SOURCE_DIR}/third_party/sqlite ${CMAKE_BINARY_DIR}/third_party/sqlite)
set(REMENDOR_CRYPTO_LIBS bcrypt)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

set(REMENDOR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, built with the tests")
if(REMENDOR_GTEST_SOURCE AND EXISTS ${REMENDOR_GTEST_SOURCE}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${REMENDOR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(lib gtest gtest_main gmock gmock_main)
    target_compile_options(${lib} PRIVATE -w)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()
