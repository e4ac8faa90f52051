# Fails when a file of the toolkit-free folders includes a Qt, ICU or Win32
# header, tests for _WIN32, or includes a backend's own headers: the logic
# and the platform interfaces build on every toolkit, the backends
# (platform/linux, platform/win32) are where toolkits belong.
#
#   cmake -DROOT=<source tree> -P toolkit_free_includes.cmake
#
# Each finding is printed as file:line: text.

if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()

set(checked_globs
  "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp"
  "${ROOT}/catalogue/*.h" "${ROOT}/catalogue/*.cpp"
  "${ROOT}/zonetime/*.h" "${ROOT}/zonetime/*.cpp"
  "${ROOT}/window/*.h" "${ROOT}/window/*.cpp")

# Qt (<QWidget>, <QtCore/...>), ICU (<unicode/...>), the Windows SDK
# (<windows.h>, <winreg.h>, <oleauto.h>, <commctrl.h>, ...) and the backends.
set(forbidden_include
  "#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/[^>\"]*|unicode/[^>\"]*|[Ww]in[A-Za-z0-9_]*\\.h|ole[A-Za-z0-9_]*\\.h|objbase\\.h|combaseapi\\.h|unknwn\\.h|commctrl\\.h|shellapi\\.h|shlobj\\.h|platform/linux/[^>\"]*|platform/win32/[^>\"]*)[>\"]")
set(forbidden_macro "#[ \t]*(if|ifdef|ifndef|elif)[^\n]*_WIN32")

file(GLOB files ${checked_globs})
list(SORT files)

function(toolkit_dependency file line result)
  set(${result} FALSE PARENT_SCOPE)
  if(line MATCHES "${forbidden_include}" OR line MATCHES "${forbidden_macro}")
    set(${result} TRUE PARENT_SCOPE)
  endif()
endfunction()

include("${CMAKE_CURRENT_LIST_DIR}/scan_lines.cmake")
scan_lines(MATCHER toolkit_dependency
  BREACHES "toolkit or backend dependencies in toolkit-free code"
  PASSED "include no Qt, ICU or Win32 header" FILES ${files})
