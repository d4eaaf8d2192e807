# Warning and sanitizer flags for the project's own code, and helpers that make one
# library per source folder from the files it holds.

if(KREMOA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# libFuzzer builds (clang): every target is instrumented for coverage and the sanitizers; only the
# fuzz targets link the fuzzer's main.
if(KREMOA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

function(kremoa_flags target)
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${KREMOA_WERROR}>:-Werror>)
endfunction()

# kremoa_library(NAME DIR [EXCLUDE regex] [LIBS ...]): a static library from DIR/*.cpp except
# main.cpp (which makes the folder's executable) and the files of kremoa_core; public headers are
# included as "dir/Name.h".
function(kremoa_library name dir)
    cmake_parse_arguments(ARG "" "EXCLUDE" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    if(KREMOA_CORE_SOURCES)
        list(REMOVE_ITEM sources ${KREMOA_CORE_SOURCES})
    endif()
    if(ARG_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
    endif()
    set(cpp_sources ${sources})
    list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
    if(NOT cpp_sources)
        # Headers only so far: an interface library keeps the dependants building.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARG_LIBS})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    kremoa_flags(${name})
endfunction()

# kremoa_tests(DIR LIBS ... [X11_TESTS NAME...]): one GoogleTest executable per DIR/*Test.cpp.
# The X11_TESTS draw on the one X server of KREMOA_TEST_DISPLAY and run one at a time, so that
# no window of one covers the windows another reads back.
function(kremoa_tests dir)
    cmake_parse_arguments(ARG "" "" "LIBS;X11_TESTS" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${dir}/*Test.cpp)
    # The shared support headers are sources too, so the moc sees their Qt objects.
    file(GLOB helpers CONFIGURE_DEPENDS ${dir}/*.h ${PROJECT_SOURCE_DIR}/tests/support/*.h)
    foreach(test_source ${tests})
        get_filename_component(test_name ${test_source} NAME_WE)
        add_executable(${test_name} ${test_source} ${helpers})
        target_link_libraries(${test_name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
        target_include_directories(${test_name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
        kremoa_flags(${test_name})
        # Every run, listing included, goes through "cmake -E env": the ENVIRONMENT property of
        # discovered tests keeps only its first variable.
        set_target_properties(${test_name} PROPERTIES CROSSCOMPILING_EMULATOR
            "${CMAKE_COMMAND};-E;env;QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;KREMOA_APP_DIR=${KREMOA_APP_DIR};KREMOA_BUILD_DIR=${CMAKE_BINARY_DIR};KREMOA_SOURCE_DIR=${PROJECT_SOURCE_DIR};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt")
        set(properties)
        if(test_name IN_LIST ARG_X11_TESTS)
            set(properties PROPERTIES RESOURCE_LOCK x11-display)
        endif()
        gtest_discover_tests(${test_name}
            DISCOVERY_TIMEOUT 60 ${properties})
    endforeach()
endfunction()
