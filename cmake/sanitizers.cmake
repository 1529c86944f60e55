# ZEMLAR_SANITIZE=ON builds every target of the project, the programs, convertcp.exe and
# the test programs alike, with AddressSanitizer and UndefinedBehaviorSanitizer: any
# undefined behaviour ends the process (no recovery), so a whole run that meets one
# fails its test. scripts/test-sanitizers configures build-asan with it and runs ctest.
option(ZEMLAR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZEMLAR_SANITIZE)
  if(MSVC OR CMAKE_CROSSCOMPILING)
    message(FATAL_ERROR "ZEMLAR_SANITIZE needs GCC or Clang building for this machine")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # Bounds checks of the standard containers: an index past a string's size but inside
  # its capacity is no error to AddressSanitizer.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()
