# Driving, track contact and the race flow: the race form's game step, testable without the form.
add_library(sk2_race_drive STATIC
    ${CMAKE_CURRENT_LIST_DIR}/drivefields.cpp ${CMAKE_CURRENT_LIST_DIR}/drivefields.h
    ${CMAKE_CURRENT_LIST_DIR}/drivecar.cpp ${CMAKE_CURRENT_LIST_DIR}/drivecar.h
    ${CMAKE_CURRENT_LIST_DIR}/drivecones.cpp ${CMAKE_CURRENT_LIST_DIR}/drivecones.h
    ${CMAKE_CURRENT_LIST_DIR}/driveinput.cpp ${CMAKE_CURRENT_LIST_DIR}/driveinput.h
    ${CMAKE_CURRENT_LIST_DIR}/raceflow.cpp ${CMAKE_CURRENT_LIST_DIR}/raceflow.h
    ${CMAKE_CURRENT_LIST_DIR}/raceflowscreens.cpp ${CMAKE_CURRENT_LIST_DIR}/raceflowscreens.h
    ${CMAKE_CURRENT_LIST_DIR}/raceflowsound.cpp ${CMAKE_CURRENT_LIST_DIR}/raceflowsound.h
    ${CMAKE_CURRENT_LIST_DIR}/racerandom.cpp ${CMAKE_CURRENT_LIST_DIR}/racerandom.h)
target_include_directories(sk2_race_drive PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(sk2_race_drive PUBLIC sk2_core sk2_dgc sk2_input)

if(SKARVEL_BUILD_TESTS)
    cmake_path(SET SK2_RACE_DRIVE_TESTS NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../../tests/race_drive)
    skarvel_add_gtest(sk2_race_drive_tests
        SOURCES ${SK2_RACE_DRIVE_TESTS}/drivescene.cpp
                ${SK2_RACE_DRIVE_TESTS}/drivecar_test.cpp
                ${SK2_RACE_DRIVE_TESTS}/raceflow_test.cpp
                ${SK2_RACE_DRIVE_TESTS}/drivecones_test.cpp
                ${SK2_RACE_DRIVE_TESTS}/driveinput_test.cpp
                ${SK2_RACE_DRIVE_TESTS}/roaddriver.cpp
                ${SK2_RACE_DRIVE_TESTS}/racecourse_test.cpp
        LIBRARIES sk2_race_drive Qt6::Widgets skarvel_widget_test_main)
endif()
