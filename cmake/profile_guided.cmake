# Profile-guided optimisation (GCC). scripts/optimised-build.sh builds once
# with CORVANE_PROFILE=generate, runs the translator on training inputs, and
# builds again with CORVANE_PROFILE=use from the counts those runs left in
# CORVANE_PROFILE_DIR. The counts only steer the optimiser: the translated
# text is the same as from a plain build.
set(CORVANE_PROFILE "" CACHE STRING "Profile-guided build stage: generate, use, or empty for none")
set_property(CACHE CORVANE_PROFILE PROPERTY STRINGS "" generate use)
set(CORVANE_PROFILE_DIR "${CMAKE_BINARY_DIR}/profile" CACHE PATH
    "Where the generate stage's runs leave their counts")

if(NOT CORVANE_PROFILE)
  # A plain build.
elseif(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Another compiler builds the same program, only without the profile.
  message(WARNING "CORVANE_PROFILE needs GCC; building ${CMAKE_CXX_COMPILER_ID} without a profile")
elseif(CORVANE_PROFILE STREQUAL "generate")
  # One translation at a time during training, so plain counters suffice.
  add_compile_options(-fprofile-generate=${CORVANE_PROFILE_DIR} -fprofile-update=single)
  add_link_options(-fprofile-generate=${CORVANE_PROFILE_DIR})
elseif(CORVANE_PROFILE STREQUAL "use")
  # Code the training never ran has no counts, and a source edited since
  # training has stale ones: both are compiled as in a plain build.
  add_compile_options(-fprofile-use=${CORVANE_PROFILE_DIR} -fprofile-correction
                      -Wno-missing-profile -Wno-coverage-mismatch)
else()
  message(FATAL_ERROR "CORVANE_PROFILE is generate, use or empty, not '${CORVANE_PROFILE}'")
endif()
