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
