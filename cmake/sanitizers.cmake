# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build.
if(CORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
# ThreadSanitizer, for the run's worker threads and the interrupt watcher
# (tests labelled "threads"). It cannot be combined with the address
# sanitizer.
if(CORVANE_SANITIZE_THREAD)
  if(CORVANE_SANITIZE)
    message(FATAL_ERROR "CORVANE_SANITIZE and CORVANE_SANITIZE_THREAD are separate builds")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
