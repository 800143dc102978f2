# Warnings and sanitizers for the project's own targets.

function(velrtf_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VELRTF_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

if(VELRTF_SANITIZE)
  add_compile_options(-fsanitize=${VELRTF_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VELRTF_SANITIZE})
endif()

if(VELRTF_FUZZ)
  # Coverage for libFuzzer in everything the fuzz target links.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
