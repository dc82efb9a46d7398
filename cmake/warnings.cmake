# Every target of ours links this interface target for its warning set.
add_library(corvane_warnings INTERFACE)
target_compile_options(corvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wmissing-declarations
  -Wnon-virtual-dtor)
if(CORVANE_WERROR)
  target_compile_options(corvane_warnings INTERFACE -Werror)
endif()
# GCC's flow analysis reports uninitialised values inside the standard
# library's own code (std::function, std::regex) once the sanitizers
# instrument it; those reports are false, and would stop the build.
if(CORVANE_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(corvane_warnings INTERFACE -Wno-maybe-uninitialized)
endif()
# GCC 12 reports overlapping copies inside std::string's operator+ when it
# inlines it at -O3 (GCC bug 105329); the report is false.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(corvane_warnings INTERFACE -Wno-restrict)
endif()
