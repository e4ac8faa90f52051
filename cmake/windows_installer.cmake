# The Windows packages, built with the program: an MSI made by wixl from
# platform/win32/tellux_time.wxs.in, and a zip of the single .exe for a
# portable copy. Both land in <build>/packages. Included from app/ once
# tellux-time exists; TELLUX_WINDOWS_PACKAGES=OFF builds without wixl.
option(TELLUX_WINDOWS_PACKAGES "Build the MSI installer and the portable zip (needs wixl)" ON)
if(NOT TELLUX_WINDOWS_PACKAGES)
  return()
endif()

find_program(TELLUX_WIXL wixl REQUIRED)
set(TELLUX_PACKAGE_DIR ${PROJECT_BINARY_DIR}/packages)
# Cached so that the tests, in another directory, find them.
set(TELLUX_MSI ${TELLUX_PACKAGE_DIR}/tellux-time-${PROJECT_VERSION}-x64.msi CACHE INTERNAL "")
set(TELLUX_PORTABLE_ZIP ${TELLUX_PACKAGE_DIR}/tellux-time-${PROJECT_VERSION}-x64-portable.zip
    CACHE INTERNAL "")

# One product code per version and architecture, the same in every build of
# it: installing a rebuilt package of an installed version then repairs it
# rather than adding a second entry to Apps & features. The upgrade code in
# the .wxs is the namespace.
string(UUID TELLUX_PRODUCT_CODE NAMESPACE 2D72A768-0A19-45F4-B9BA-2421DE288FC1
       NAME "tellux-time-${PROJECT_VERSION}-x64" TYPE SHA1 UPPER)

# wixl reads the sources named in the .wxs from its working directory, so
# the .exe and the icon are staged beside it.
set(stage ${PROJECT_BINARY_DIR}/installer)
configure_file(${PROJECT_SOURCE_DIR}/platform/win32/tellux_time.wxs.in ${stage}/tellux-time.wxs
               @ONLY)
add_custom_command(
  OUTPUT ${TELLUX_MSI}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TELLUX_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:tellux-time> ${stage}/tellux-time.exe
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/platform/win32/clock.ico
          ${stage}/clock.ico
  COMMAND ${TELLUX_WIXL} --arch x64 --output ${TELLUX_MSI} tellux-time.wxs
  WORKING_DIRECTORY ${stage}
  DEPENDS tellux-time ${stage}/tellux-time.wxs ${PROJECT_SOURCE_DIR}/platform/win32/clock.ico
  COMMENT "Building the MSI installer"
  VERBATIM)
add_custom_command(
  OUTPUT ${TELLUX_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TELLUX_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TELLUX_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${TELLUX_PORTABLE_ZIP} --format=zip
          $<TARGET_FILE_NAME:tellux-time>
  WORKING_DIRECTORY $<TARGET_FILE_DIR:tellux-time>
  DEPENDS tellux-time
  COMMENT "Zipping the portable .exe"
  VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${TELLUX_MSI} ${TELLUX_PORTABLE_ZIP})
