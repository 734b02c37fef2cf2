# Project-wide compile settings and the helper that declares a test program.

# Strict IEEE double arithmetic in the written order: no contraction into fused multiply-add.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off)

# Sources are UTF-8; the program's texts are GBK, so narrow string literals are stored as GBK
# (MSVC: /utf-8 /execution-charset:.936). GB18030 encodes every GBK character with GBK's own
# bytes and, unlike GBK, can also encode the odd symbol in the standard headers (the micro sign
# of <chrono>). Clang cannot do this, so the code that the fuzzers build writes its non-ASCII
# literals as byte escapes.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8>
                      $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=GB18030>)
endif()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  # One self-contained executable: libstdc++, libgcc and winpthread linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
elseif(CORVANTA_SANITIZE AND NOT CORVANTA_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# corvanta_add_test(<name> SOURCES ... [LIBS ...] [GUI])
# GUI tests share the one X display, so they never run at the same time.
function(corvanta_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  if(WIN32)
    set(test_name ${name}.wine)
  else()
    set(test_name ${name}.native)
  endif()
  add_test(NAME ${test_name} COMMAND ${name})
  set_tests_properties(${test_name} PROPERTIES TIMEOUT 300)
  if(T_GUI)
    set_tests_properties(${test_name} PROPERTIES RESOURCE_LOCK display)
    # The program's manifest too, so windows are tested with the common controls and DPI
    # awareness the program itself runs with.
    if(TARGET corvanta_resources)
      target_link_libraries(${name} PRIVATE corvanta_resources)
    endif()
  endif()
endfunction()
