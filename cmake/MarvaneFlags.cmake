# One place for warnings and Qt strictness; every target links marvane_flags.
add_library(marvane_flags INTERFACE)
# Includes name the folder from the project root: #include "ini/IniFile.h".
target_include_directories(marvane_flags INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(marvane_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
    $<$<BOOL:${MARVANE_WERROR}>:-Werror>)
target_compile_definitions(marvane_flags INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_NO_KEYWORDS)
if(MARVANE_SANITIZE)
    target_compile_options(marvane_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(marvane_flags INTERFACE -fsanitize=address,undefined)
endif()

# marvane_add_test(NAME name [EACH_FUNCTION] SOURCES ... LIBS ... [LABELS ...] [TIMEOUT s] [LAUNCHER ...])
# Each test runs headless; tests that need a real X server or D-Bus start their own.
# EACH_FUNCTION makes every test function of the first source a CTest entry of its own, so that
# slow ones run side by side under -j.
function(marvane_add_test)
    cmake_parse_arguments(T "EACH_FUNCTION" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;LAUNCHER" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} marvane_testsupport Qt6::Test marvane_flags)
    set(names ${T_NAME})
    if(T_EACH_FUNCTION)
        list(GET T_SOURCES 0 first)
        file(STRINGS ${first} slots REGEX "^    void [a-zA-Z0-9]+\\(\\)$")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${first})
        list(TRANSFORM slots REPLACE "^    void ([a-zA-Z0-9]+)\\(\\)$" "\\1")
        list(FILTER slots EXCLUDE REGEX "^(initTestCase|cleanupTestCase|init|cleanup)$")
        set(names)
        foreach(slot ${slots})
            add_test(NAME ${T_NAME}.${slot} COMMAND ${T_LAUNCHER} $<TARGET_FILE:${T_NAME}> ${slot})
            list(APPEND names ${T_NAME}.${slot})
        endforeach()
    else()
        add_test(NAME ${T_NAME} COMMAND ${T_LAUNCHER} $<TARGET_FILE:${T_NAME}>)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${names} PROPERTIES TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC"
        LABELS "${T_LABELS}")
endfunction()
