# Shared compile flags and the test helper.

add_library(zul_flags INTERFACE)
target_compile_options(zul_flags INTERFACE -Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports impossible overlaps inside std::string's own copies (a known false positive).
  target_compile_options(zul_flags INTERFACE -Wno-restrict)
endif()
if(ZUL_WERROR)
  target_compile_options(zul_flags INTERFACE -Werror)
endif()
# Release builds are hardened as Debian builds its own packages: checked string and memory
# functions, stack protector, read-only relocations bound at start.
target_compile_options(zul_flags INTERFACE "$<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
target_link_options(zul_flags INTERFACE "$<$<CONFIG:Release>:LINKER:-z,relro,-z,now>")
if(ZUL_SANITIZE)
  target_compile_options(zul_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(zul_flags INTERFACE -fsanitize=address,undefined)
endif()

if(ZUL_FUZZ)
  # Coverage for libFuzzer in every library the fuzz targets link.
  target_compile_options(zul_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(zul_flags INTERFACE -fsanitize=address,undefined)
endif()

# zul_add_test(NAME dir sources...): a GoogleTest executable linked with zul_core,
# its cases registered one by one with ctest.
function(zul_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE zul_core zul_flags GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "ZUL_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
