# The Windows build (mingw-w64, i686): the installer stub, the author's tool, the JAWS stand-ins
# and the tests that run under Wine. Everything is linked statically so one file runs anywhere.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
zebo_layer(zebo_platform_win32 src/platform/win32 zebo_core)
target_link_libraries(zebo_platform_win32 PUBLIC comctl32 shell32 ole32 advapi32 winmm wininet
                      uuid)

if(EXISTS ${CMAKE_SOURCE_DIR}/src/main/zebo_main.cpp)
  file(GLOB main_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/main/*.cpp
       ${CMAKE_SOURCE_DIR}/src/main/*.rc)
  add_executable(ZeBo WIN32 ${main_sources})
  target_link_libraries(ZeBo PRIVATE ${ZEBO_ALL_LAYERS} zebo_platform_win32)
  # The stub is small: size-optimised, unused sections dropped, symbols stripped.
  target_compile_options(ZeBo PRIVATE -Os)
  target_link_options(ZeBo PRIVATE -s -Wl,--gc-sections -municode)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/zebo-pack/main.cpp)
  add_executable(zebo-pack ${CMAKE_SOURCE_DIR}/tools/zebo-pack/main.cpp)
  target_link_libraries(zebo-pack PRIVATE zebo_pack_lib zebo_platform_win32)
  target_link_options(zebo-pack PRIVATE -municode)
endif()

# The JAWS stand-ins: one program per file (built for the tests and the demo).
file(GLOB standins CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/standins/*.cpp)
foreach(src ${standins})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_options(${name} PRIVATE -municode)
  # The JAWS programs are window programs (no console); the compiler is a console one.
  file(STRINGS ${src} gui REGEX "wWinMain")
  if(gui)
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endforeach()

option(ZEBO_WINDOWS_TESTS "Build the Windows test programs" OFF)
if(NOT ZEBO_WINDOWS_TESTS)
  return()
endif()
enable_testing()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB win32_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(win32_test_sources)
  file(GLOB contract_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/contract/*.cpp)
  list(APPEND win32_test_sources ${contract_sources})
  add_executable(win32_tests ${win32_test_sources})
  target_link_libraries(win32_tests PRIVATE zebo_pack_lib ${ZEBO_ALL_LAYERS} zebo_platform_win32
                        gtest gtest_main gmock oleacc oleaut32)
  target_link_libraries(win32_tests PRIVATE ws2_32 zebo_e2e_harness)
  target_compile_options(win32_tests PRIVATE -Wno-error)
  add_test(NAME win32_tests COMMAND win32_tests)
endif()

# The end-to-end tests: the real ZeBo.exe of this build, driven from outside with the keyboard.
file(GLOB e2e_harness_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/harness/*.cpp)
file(GLOB e2e_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(e2e_harness_sources AND e2e_sources AND TARGET ZeBo)
  add_library(zebo_e2e_harness STATIC ${e2e_harness_sources})
  target_link_libraries(zebo_e2e_harness PUBLIC user32 gdi32 oleacc oleaut32 ole32)
  add_executable(e2e_tests ${e2e_sources})
  target_link_libraries(e2e_tests PRIVATE zebo_e2e_harness zebo_pack_lib ${ZEBO_ALL_LAYERS}
                        zebo_platform_win32 gtest gmock ws2_32 oleacc oleaut32 ole32)
  target_link_options(e2e_tests PRIVATE -municode)
  target_compile_options(e2e_tests PRIVATE -Wno-error)
  add_dependencies(e2e_tests ZeBo)
  # Tells what a program shows while it runs (the demo uses it).
  add_executable(watch_program ${CMAKE_SOURCE_DIR}/tests/e2e/tools/watch_program.cpp)
  target_link_libraries(watch_program PRIVATE zebo_e2e_harness)
  target_link_options(watch_program PRIVATE -municode)
  # Walks an installer's install with the keyboard (the demo on a virtual display).
  add_executable(demo_walk ${CMAKE_SOURCE_DIR}/tests/e2e/tools/demo_walk.cpp)
  target_link_libraries(demo_walk PRIVATE zebo_e2e_harness)
  target_link_options(demo_walk PRIVATE -municode)
  add_test(NAME e2e_tests COMMAND e2e_tests --zebo=$<TARGET_FILE:ZeBo>
           --out=${CMAKE_BINARY_DIR}/e2e-output)
endif()
