# Shared target settings: the warnings everywhere (errors when asked), sanitizers when asked.

add_library(quellan_options INTERFACE)
target_compile_options(quellan_options INTERFACE -Wall -Wextra -Wpedantic)
if(QUELLAN_WERROR)
    target_compile_options(quellan_options INTERFACE -Werror)
    # GCC 12's optimiser reports std::optional<std::string> members as maybe-uninitialized where
    # they are not; keep it as a warning so optimised builds do not fail on it.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(quellan_options INTERFACE -Wno-error=maybe-uninitialized)
    endif()
    # GCC 12 at -O3 reports a false overlap (-Wrestrict) inside std::string when a literal is
    # prefixed to a string ("#" + std::to_string(n)); GCC 13 no longer does.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(quellan_options INTERFACE -Wno-error=restrict)
    endif()
endif()
target_include_directories(quellan_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(QUELLAN_SANITIZE)
    target_compile_options(quellan_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(quellan_options INTERFACE -fsanitize=address,undefined)
endif()

if(QUELLAN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUELLAN_FUZZ needs clang (CXX=clang++)")
    endif()
    target_compile_options(quellan_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(quellan_options INTERFACE -fsanitize=address,undefined)
endif()

function(quellan_add_existing_subdirectories)
    foreach(dir IN LISTS ARGN)
        if(EXISTS ${PROJECT_SOURCE_DIR}/${dir}/CMakeLists.txt)
            add_subdirectory(${PROJECT_SOURCE_DIR}/${dir} ${PROJECT_BINARY_DIR}/${dir})
        endif()
    endforeach()
endfunction()

# quellan_library(name SOURCES ... DEPS ...): a static library of the project.
function(quellan_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC quellan_options ${ARG_DEPS})
endfunction()

# quellan_test(name SOURCES ... DEPS ... [LABELS ...]): a GoogleTest executable registered with CTest.
function(quellan_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE quellan_options ${ARG_DEPS} GTest::gtest GTest::gtest_main
                                          GTest::gmock)
    set(props)
    if(ARG_LABELS)
        set(props PROPERTIES LABELS "${ARG_LABELS}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 ${props})
endfunction()

# quellan_benchmark(name SOURCES ... DEPS ...): a Google Benchmark executable (not a test).
function(quellan_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE quellan_options ${ARG_DEPS} benchmark::benchmark)
endfunction()

# quellan_folder_library(name DEPS ...): a static library of every .cpp below the calling folder.
function(quellan_folder_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    quellan_library(${name} SOURCES ${sources} DEPS ${ARG_DEPS})
endfunction()

# quellan_folder_test(name DEPS ... [LABELS ...]): one test executable of every .cpp below the folder.
function(quellan_folder_test name)
    cmake_parse_arguments(ARG "" "" "DEPS;LABELS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    quellan_test(${name} SOURCES ${sources} DEPS ${ARG_DEPS} LABELS ${ARG_LABELS})
endfunction()

# quellan_embed_pngs(out HEADER header PICTURES name ...): each assets/<name>.png built in as a
# function <Name>Png() (frm_right_icon gives FrmRightIconPng) declared in `header`; the generated
# sources are appended to `out`.
function(quellan_embed_pngs out)
    cmake_parse_arguments(ARG "" "HEADER" "PICTURES" ${ARGN})
    set(sources ${${out}})
    set(embed ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake)
    foreach(picture IN LISTS ARG_PICTURES)
        string(REPLACE "_" ";" words ${picture})
        set(function "")
        foreach(word IN LISTS words)
            string(SUBSTRING ${word} 0 1 first)
            string(TOUPPER ${first} first)
            string(SUBSTRING ${word} 1 -1 rest)
            string(APPEND function ${first}${rest})
        endforeach()
        set(png ${PROJECT_SOURCE_DIR}/assets/${picture}.png)
        set(source ${CMAKE_CURRENT_BINARY_DIR}/${picture}_png.cpp)
        add_custom_command(
            OUTPUT ${source}
            COMMAND ${CMAKE_COMMAND} -DINPUT=${png} -DOUTPUT=${source} -DHEADER=${ARG_HEADER}
                    -DFUNCTION=${function}Png -P ${embed}
            DEPENDS ${png} ${embed}
            VERBATIM)
        list(APPEND sources ${source})
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()
