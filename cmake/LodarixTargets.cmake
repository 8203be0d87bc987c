# Helpers shared by the project's CMake files.

# Fails the configure step when TARGET reaches Qt through its link graph.
# The core must stay usable without Qt, by every face and by the fuzz build.
function(lodarix_forbid_qt target)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        if(current MATCHES "^Qt[0-9]*::")
            message(FATAL_ERROR "${target} must not depend on Qt, but reaches ${current}")
        endif()
        get_target_property(direct ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(dep IN LISTS direct interface)
            if(dep AND NOT dep MATCHES "-NOTFOUND$")
                if(dep MATCHES "^Qt[0-9]*::")
                    message(FATAL_ERROR "${target} must not depend on Qt, but links ${dep}")
                endif()
                list(APPEND pending ${dep})
            endif()
        endforeach()
    endwhile()
endfunction()

# lodarix_add_core_library(NAME SOURCES src... [LIBRARIES lib...])
# A static library of the Qt-free core: its headers are included from the
# project's root, it links LIBRARIES publicly, and it is kept free of Qt.
function(lodarix_add_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_LIBRARIES)
        target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES})
    endif()
    lodarix_forbid_qt(${name})
endfunction()

# lodarix_add_test(NAME SOURCES src... [LIBRARIES lib...] [WIDGETS]
#                  [DEFINITIONS NAME=value...] [DEPENDS target...]
#                  [ENVIRONMENT VAR=value...] [LABELS label...]
#                  [LAUNCHER command...])
# Builds a QtTest executable and registers it with CTest. WIDGETS tests run on
# the offscreen platform so they need no display. DEFINITIONS become compile
# definitions (paths the test reads); DEPENDS are built before the test.
# LAUNCHER runs the test as its last argument.
function(lodarix_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" ""
        "SOURCES;LIBRARIES;DEFINITIONS;DEPENDS;ENVIRONMENT;LABELS;LAUNCHER" ${ARGN})
    qt_add_executable(${name} ${ARG_SOURCES})
    # A test is one file: a unity build would only make its own types
    # "included" ones, of which the compiler then warns.
    set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    if(ARG_DEFINITIONS)
        target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
    endif()
    if(ARG_DEPENDS)
        add_dependencies(${name} ${ARG_DEPENDS})
    endif()
    add_test(NAME ${name} COMMAND ${ARG_LAUNCHER} $<TARGET_FILE:${name}>)
    set(env ${ARG_ENVIRONMENT})
    if(ARG_WIDGETS)
        list(APPEND env QT_QPA_PLATFORM=offscreen)
    endif()
    if(env)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
    endif()
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
