# CN3_SANITIZE builds everything with AddressSanitizer (and its leak check) and
# UndefinedBehaviorSanitizer; undefined behaviour stops the program, so a test that meets it
# fails. .ci/run builds the suite this way in build-sanitize/. Include this before the source
# folders.
option(CN3_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(CN3_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
