# Warnings for the project's own targets; -Werror where CI builds.
add_library(qh_warnings INTERFACE)
target_compile_options(qh_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2)
if(QH_WERROR)
  target_compile_options(qh_warnings INTERFACE -Werror)
endif()
if(QH_SANITIZE)
  target_compile_options(qh_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                               -fno-sanitize-recover=all)
  target_link_options(qh_warnings INTERFACE -fsanitize=address,undefined)
  # The sanitizer reserves terabytes of address space: tests that lower the limit skip.
  target_compile_definitions(qh_warnings INTERFACE QH_SANITIZED=1)
endif()

# Adds the project's warnings (and sanitizers) to a target.
function(qh_target_defaults target)
  target_link_libraries(${target} PRIVATE qh_warnings)
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()
