# Compile options every target of the project shares, through one interface target that each
# target links privately, so they reach no one who only uses a library.
option(QUILVANE_WERROR "Treat compiler warnings as errors (always on when the CI variable is set)"
       OFF)
if(QUILVANE_WERROR OR "$ENV{CI}")
  set(quilvane_werror ON)
else()
  set(quilvane_werror OFF)
endif()

add_library(quilvane_build_options INTERFACE)
target_compile_options(quilvane_build_options INTERFACE
  # Warnings: the same set for every target, errors in CI so that none creeps in.
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>
  $<$<AND:$<CXX_COMPILER_ID:GNU,Clang>,$<BOOL:${quilvane_werror}>>:-Werror>
  $<$<CXX_COMPILER_ID:MSVC>:/W4 /permissive->
  $<$<AND:$<CXX_COMPILER_ID:MSVC>,$<BOOL:${quilvane_werror}>>:/WX>
  # The sources hold Japanese literals in UTF-8: say so, whatever the system's code page.
  $<$<CXX_COMPILER_ID:GNU,Clang>:-finput-charset=UTF-8>
  $<$<CXX_COMPILER_ID:MSVC>:/utf-8>
)
