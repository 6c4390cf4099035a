# One interface target carries the language level, warnings and sanitizer switches;
# every target of the project links it.
add_library(tov_options INTERFACE)
target_compile_features(tov_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(tov_options INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(tov_options INTERFACE
    TOV_VERSION_TEXT="${TOV_VERSION_TEXT}")

if(TOV_SANITIZE)
    target_compile_options(tov_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tov_options INTERFACE -fsanitize=address,undefined)
endif()
