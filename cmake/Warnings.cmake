# Warning flags shared by every target of the project.
function(vesk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow)
  if(VESK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
