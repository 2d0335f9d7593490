# libFuzzer harnesses (tests/fuzz), built with clang when CN3_FUZZ is on; scripts/fuzz.sh
# configures build-fuzz/ this way and runs them:
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCN3_FUZZ=ON
# Every library is then instrumented for coverage and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, so a run also stops on memory faults and undefined behaviour.
# Include this before the source folders (the flags must reach every library); the top-level
# CMakeLists.txt adds tests/fuzz after them.
option(CN3_FUZZ "Build the libFuzzer harnesses of tests/fuzz (needs clang)" OFF)

if(CN3_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CN3_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                      -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
