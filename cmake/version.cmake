# The program's version and the texts that name it, for every build: the
# version is project()'s, written once in the top CMakeLists.txt. They reach
# the code through the generated header tellux_version.h (target
# tellux_version), and the Windows resource script, manifest and installer
# through the same variables.
set(TELLUX_PRODUCT_NAME "Tellux Time")
set(TELLUX_DESCRIPTION "Time-zone clock and converter")
set(TELLUX_PUBLISHER "Tellux")
set(TELLUX_COPYRIGHT "Copyright (C) 2026 The Tellux Time developers")

# Four numbers, as Windows version resources and manifests want them.
set(TELLUX_VERSION_PATCH 0)
if(NOT PROJECT_VERSION_PATCH STREQUAL "")
  set(TELLUX_VERSION_PATCH ${PROJECT_VERSION_PATCH})
endif()
set(TELLUX_VERSION_QUAD
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${TELLUX_VERSION_PATCH}.0")

configure_file(${CMAKE_CURRENT_LIST_DIR}/tellux_version.h.in
               ${PROJECT_BINARY_DIR}/generated/tellux_version.h @ONLY)
add_library(tellux_version INTERFACE)
target_include_directories(tellux_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
