# One interface target carries the language level, warnings and sanitizer switches;
# every target of the project links it.
add_library(tov_options INTERFACE)
target_compile_features(tov_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(MSVC)
    # Sources are UTF-8 (the text tables hold every interface language).
    target_compile_options(tov_options INTERFACE /W4 /WX /permissive- /utf-8)
else()
    target_compile_options(tov_options INTERFACE -Wall -Wextra -Werror)
endif()
target_compile_definitions(tov_options INTERFACE
    TOV_VERSION_TEXT="${TOV_VERSION_TEXT}")

if(WIN32)
    # <windows.h> without its min/max macros and rarely used parts; the wide ("W") API.
    target_compile_definitions(tov_options INTERFACE
        NOMINMAX WIN32_LEAN_AND_MEAN UNICODE _UNICODE)
endif()

if(TOV_SANITIZE)
    if(MSVC)
        # MSVC has AddressSanitizer only.
        target_compile_options(tov_options INTERFACE /fsanitize=address)
    else()
        target_compile_options(tov_options INTERFACE
            -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(tov_options INTERFACE -fsanitize=address,undefined)
    endif()
endif()

if(TOV_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TOV_BUILD_FUZZ needs clang (libFuzzer); use the fuzz preset")
    endif()
    # Every library is instrumented for the fuzzers' coverage; the fuzz targets link libFuzzer.
    target_compile_options(tov_options INTERFACE -fsanitize=fuzzer-no-link)
    target_link_options(tov_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Windows programs carry the icon, version information and the manifest (per-monitor DPI
# awareness, common controls 6) as resources.
function(tov_add_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(TOV_RC_NAME ${target})
    set(TOV_RC_DESCRIPTION "${description}")
    set(TOV_RC_ICON ${PROJECT_SOURCE_DIR}/res/windows/tovbrenn.ico)
    set(TOV_RC_MANIFEST ${PROJECT_SOURCE_DIR}/res/windows/tovbrenn.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/res/windows/tovbrenn.rc.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

# A static Qt (the Windows build) links only the default platform plugin into a program; the
# tests, the screenshots and a headless start of the application need the offscreen one too.
function(tov_import_offscreen_plugin target)
    if(TARGET Qt6::QOffscreenIntegrationPlugin)
        get_target_property(type Qt6::Core TYPE)
        if(type STREQUAL "STATIC_LIBRARY")
            qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
        endif()
    endif()
endfunction()
