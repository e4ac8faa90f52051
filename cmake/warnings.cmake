# Our own code builds with warnings as errors; third-party headers are
# included as system headers and are not held to it.
add_library(tellux_warnings INTERFACE)
if(MSVC)
  target_compile_options(tellux_warnings INTERFACE /W4 /WX)
else()
  target_compile_options(tellux_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror)
endif()
