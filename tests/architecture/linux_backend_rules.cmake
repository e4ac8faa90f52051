# Fails when the Linux backend breaks one of its two rules:
# - no ICU header in a header of platform/linux: ICU stays in the .cpp files;
# - no std::filesystem call that throws: the paths it works on come from
#   outside (the user's folders, the zone folder, the environment), and a
#   folder that cannot be followed (a link loop, a target the user may not
#   search) must be an answer, not an exception that ends the program. Each
#   call passes a std::error_code (an argument named ec, or error_code).
#
#   cmake -DROOT=<source tree> -P linux_backend_rules.cmake
#
# Each finding is printed as file:line: text.

if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()

file(GLOB_RECURSE headers "${ROOT}/platform/linux/*.h")
file(GLOB_RECURSE sources "${ROOT}/platform/linux/*.cpp")
set(files ${headers} ${sources})
list(SORT files)

set(icu_include "#[ \t]*include[ \t]*[<\"]unicode/")
# The operations of <filesystem> that throw filesystem_error unless given an
# error_code, and the directory iterators' constructors.
set(throwing "absolute|canonical|weakly_canonical|copy|copy_file|copy_symlink|create_directories|create_directory|create_directory_symlink|create_hard_link|create_symlink|current_path|equivalent|exists|file_size|hard_link_count|is_block_file|is_character_file|is_directory|is_empty|is_fifo|is_other|is_regular_file|is_socket|is_symlink|last_write_time|permissions|proximate|read_symlink|relative|remove|remove_all|rename|resize_file|space|status|symlink_status|temp_directory_path|directory_iterator|recursive_directory_iterator")
set(filesystem_call "(std::filesystem::|fs::)(${throwing})[ \t]*[({]")
set(with_error_code "([(, ]ec[),]|error_code)")

function(backend_breach file line result)
  get_filename_component(extension "${file}" LAST_EXT)
  set(found FALSE)
  if(extension STREQUAL ".h" AND line MATCHES "${icu_include}")
    set(found TRUE)
  endif()
  if(line MATCHES "${filesystem_call}" AND NOT line MATCHES "${with_error_code}")
    set(found TRUE)
  endif()
  if(line MATCHES "using[ \t]+namespace[ \t]+std::filesystem")
    set(found TRUE)
  endif()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

include("${CMAKE_CURRENT_LIST_DIR}/scan_lines.cmake")
scan_lines(MATCHER backend_breach BREACHES "breaches of the Linux backend's rules"
  PASSED "checked: no ICU in a header, no throwing file-system call" FILES ${files})
