# skarvel_add_gtest(NAME SOURCES ... LIBRARIES ...)
#
# One GoogleTest program of a game. Its tests are registered with ctest one by one and run headless:
# Qt on the offscreen platform, SDL on its dummy audio driver, in a private runtime folder.
include(GoogleTest)

set(SKARVEL_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${SKARVEL_TEST_RUNTIME_DIR})
file(CHMOD ${SKARVEL_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(SKARVEL_TEST_ENVIRONMENT
    QT_QPA_PLATFORM=offscreen
    SDL_AUDIODRIVER=dummy
    XDG_RUNTIME_DIR=${SKARVEL_TEST_RUNTIME_DIR}
    QT_LOGGING_RULES=qt.qpa.*=false)

function(skarvel_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 30
        TEST_PREFIX "${name}."
        PROPERTIES ENVIRONMENT "${SKARVEL_TEST_ENVIRONMENT}" TIMEOUT 120)
endfunction()
