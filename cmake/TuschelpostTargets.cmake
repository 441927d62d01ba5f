# Helpers shared by every folder.
#
# tuschelpost_library(NAME SOURCES... [DEFINITIONS d...] [LINK l...])
#   A static library of program code. On the host it comes twice: NAME and
#   NAME_sanitized, built with AddressSanitizer and UndefinedBehaviorSanitizer.
#
# tuschelpost_test(NAME SOURCES... [LINK l...])
#   A GoogleTest program linking the program libraries given in LINK. On the
#   host it is registered with CTest twice: NAME and NAME_sanitized, which
#   links the sanitized copies of those libraries. On Windows targets it is
#   only built; the Wine runner of the host tree runs it.

set(TUSCHELPOST_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=all)

# Flags for everything that goes into the executables: small, no exceptions,
# no run-time type information, nothing the program does not call.
set(TUSCHELPOST_PROGRAM_COMPILE_FLAGS)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    list(APPEND TUSCHELPOST_PROGRAM_COMPILE_FLAGS -Wall -Wextra -fno-exceptions -fno-rtti
        -ffunction-sections -fdata-sections)
endif()

# Link flags of the executables: stripped, no toolchain DLL, the same bytes
# from every clean build (no time stamp), ASLR and DEP.
set(TUSCHELPOST_PROGRAM_LINK_FLAGS)
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND TUSCHELPOST_PROGRAM_LINK_FLAGS -static -s -Wl,--gc-sections
        -Wl,--no-insert-timestamp -Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        list(APPEND TUSCHELPOST_PROGRAM_LINK_FLAGS -Wl,--high-entropy-va)
    endif()
endif()

if(WIN32)
    # GoogleTest built from Debian's sources for the cross target.
    if(NOT TARGET gtest)
        set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endif()
    set(TUSCHELPOST_GTEST gtest gtest_main)
else()
    find_package(GTest REQUIRED)
    set(TUSCHELPOST_GTEST GTest::gtest GTest::gtest_main)
endif()

function(tuschelpost_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEFINITIONS;LINK" ${ARGN})
    set(variants ${name})
    if(NOT WIN32)
        list(APPEND variants ${name}_sanitized)
    endif()
    foreach(target IN LISTS variants)
        add_library(${target} STATIC ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
        target_compile_options(${target} PRIVATE ${TUSCHELPOST_PROGRAM_COMPILE_FLAGS})
        target_compile_definitions(${target} PUBLIC ${ARG_DEFINITIONS})
        if(target MATCHES "_sanitized$")
            target_compile_options(${target} PUBLIC ${TUSCHELPOST_SANITIZE_FLAGS})
            target_link_options(${target} PUBLIC ${TUSCHELPOST_SANITIZE_FLAGS})
            foreach(lib IN LISTS ARG_LINK)
                target_link_libraries(${target} PUBLIC ${lib}_sanitized)
            endforeach()
        else()
            target_link_libraries(${target} PUBLIC ${ARG_LINK})
        endif()
    endforeach()
endfunction()

function(tuschelpost_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
    set(variants ${name})
    if(NOT WIN32)
        list(APPEND variants ${name}_sanitized)
    endif()
    foreach(target IN LISTS variants)
        add_executable(${target} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
        target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
        if(target MATCHES "_sanitized$")
            foreach(lib IN LISTS ARG_LINK)
                target_link_libraries(${target} PRIVATE ${lib}_sanitized)
            endforeach()
        else()
            target_link_libraries(${target} PRIVATE ${ARG_LINK})
        endif()
        target_link_libraries(${target} PRIVATE ${TUSCHELPOST_GTEST})
        if(WIN32)
            # Runs under Wine without any DLL of the toolchain.
            target_link_options(${target} PRIVATE -static)
        else()
            add_test(NAME ${target} COMMAND ${target})
            set_tests_properties(${target} PROPERTIES LABELS host)
        endif()
    endforeach()
endfunction()
