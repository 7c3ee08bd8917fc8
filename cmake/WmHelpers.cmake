# wm_unit_test(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest binary registered with ctest. In the cross build ctest runs it
# under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
function(wm_unit_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${T_LIBS} wm_gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
