# Warnings are errors in spirit: the build is kept free of them at -Wall -Wextra.
add_compile_options(-Wall -Wextra -Wpedantic)

option(SKARVEL_WERROR "Treat compiler warnings as errors" OFF)
if(SKARVEL_WERROR)
    add_compile_options(-Werror)
endif()

# ./test.sh --sanitize builds everything with AddressSanitizer and UndefinedBehaviorSanitizer.
option(SKARVEL_SANITIZE "Build with ASan and UBSan" OFF)
if(SKARVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
