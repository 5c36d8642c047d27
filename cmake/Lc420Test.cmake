# lc420_add_test(NAME SOURCES file... [LIBS lib...] [UMOCKDEV])
#
# One executable per test, registered with CTest. Widget tests run on the
# offscreen platform; tests that talk to the simulated driver run under
# umockdev-wrapper so that libusb-0.1 reaches the emulated device.
function(lc420_add_test name)
    cmake_parse_arguments(T "UMOCKDEV" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    # Tests may include any header, their shared helpers in tests/support too.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    if(T_UMOCKDEV)
        add_test(NAME ${name} COMMAND ${UMOCKDEV_WRAPPER} $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set_tests_properties(${name} PROPERTIES
        # A test that reaches QSettings never touches the user's own settings.
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-settings"
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        TIMEOUT 600)
endfunction()
