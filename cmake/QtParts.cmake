# The Qt Widgets program and its tests.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Charts Svg SvgWidgets PrintSupport Test)
find_package(JPEG REQUIRED)

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

# A Qt Test executable run by CTest on the offscreen platform, so that no display is needed.
#   taldor_add_qt_test(NAME <name> SOURCES <files...> LIBS <targets...>)
function(taldor_add_qt_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test taldor_warnings)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endfunction()

add_subdirectory(ui)
add_subdirectory(resources)
add_subdirectory(reference)
add_subdirectory(output)
add_subdirectory(wizard)
add_subdirectory(app)

add_subdirectory(tests/ui)
add_subdirectory(tests/reference)
add_subdirectory(tests/output)
add_subdirectory(tests/wizard)
add_subdirectory(tests/app)

if(TALDOR_BUILD_BENCHMARKS)
  add_subdirectory(bench/qt)
endif()
