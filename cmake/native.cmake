# The native (Linux) build: logic, fakes, the author's tool, tests, fuzzers and benchmarks.
zebo_layer(zebo_platform_host src/platform/host zebo_core)

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/zebo-pack/main.cpp)
  add_executable(zebo-pack ${CMAKE_SOURCE_DIR}/tools/zebo-pack/main.cpp)
  target_link_libraries(zebo-pack PRIVATE zebo_pack_lib zebo_platform_host)
endif()

if(ZEBO_FUZZ)
  file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
  foreach(src ${fuzzers})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE zebo_pack_lib ${ZEBO_ALL_LAYERS} zebo_platform_fake
                          zebo_platform_host)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
  return()
endif()

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp
     ${CMAKE_SOURCE_DIR}/tests/contract/*.cpp)
add_executable(unit_tests ${unit_sources})
target_link_libraries(unit_tests PRIVATE zebo_pack_lib ${ZEBO_ALL_LAYERS} zebo_platform_fake
                      zebo_platform_host GTest::gtest GTest::gtest_main GTest::gmock)
target_compile_definitions(unit_tests PRIVATE ZEBO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                           ZEBO_BINARY_DIR="${CMAKE_BINARY_DIR}")
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

if(ZEBO_BENCH AND NOT ZEBO_SANITIZE)
  find_package(benchmark QUIET)
  find_package(ZLIB QUIET)
  find_package(LibLZMA QUIET)
  if(benchmark_FOUND AND ZLIB_FOUND AND LibLZMA_FOUND)
    file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    foreach(src ${benches})
      get_filename_component(name ${src} NAME_WE)
      add_executable(${name} ${src})
      target_link_libraries(${name} PRIVATE zebo_pack_lib ${ZEBO_ALL_LAYERS} zebo_platform_fake
                            zebo_platform_host benchmark::benchmark ZLIB::ZLIB LibLZMA::LibLZMA)
    endforeach()
  endif()
endif()
