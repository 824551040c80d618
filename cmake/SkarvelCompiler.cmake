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

# Several build folders of one tree (plain, sanitizer, fuzzing) share compiled objects through ccache
# when it is installed; the base folder keeps its keys free of the checkout's absolute path.
find_program(SKARVEL_CCACHE ccache)
if(SKARVEL_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${SKARVEL_CCACHE})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${SKARVEL_CCACHE})
endif()
