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

# 32-bit x86: arithmetic in double precision, as on x64 (SSE2). The x87 unit computes in extended precision, or
# in whatever precision the host process set, so the same metafile could come out a pixel larger there (the
# device resolution 960 * 25.4 / 254 truncated is 96 in double precision, 95 in extended).
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|[iI][3-6]86|AMD64|x86_64|amd64)$"
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-msse2 -mfpmath=sse)
endif()
