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

# Resolves the exe's own imports from the system folder only, where the
# linker can say so (GNU ld 2.42 and later); older linkers leave it to the
# program's run-time restriction of the DLL search.
include(CheckLinkerFlag)
function(wm_system_folder_imports target)
    check_linker_flag(CXX "-Wl,--dependent-load-flag,0x800" WM_HAVE_DEPENDENT_LOAD_FLAG)
    if(WM_HAVE_DEPENDENT_LOAD_FLAG)
        target_link_options(${target} PRIVATE "-Wl,--dependent-load-flag,0x800")
    endif()
endfunction()
