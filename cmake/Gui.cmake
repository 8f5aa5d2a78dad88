# Qt 6 GUI: toolkit, dialogs, main window, platform services, and their tests.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Network Test)
set(CMAKE_AUTOMOC ON)

file(GLOB_RECURSE GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/skin/*.cpp
  ${CMAKE_SOURCE_DIR}/src/widgets/*.cpp
  ${CMAKE_SOURCE_DIR}/src/dialogs/*.cpp
  ${CMAKE_SOURCE_DIR}/src/app/*.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/*.cpp
  ${CMAKE_SOURCE_DIR}/src/macros/gui/*.cpp)
file(GLOB_RECURSE GUI_HEADERS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/skin/*.h
  ${CMAKE_SOURCE_DIR}/src/widgets/*.h
  ${CMAKE_SOURCE_DIR}/src/dialogs/*.h
  ${CMAKE_SOURCE_DIR}/src/app/*.h
  ${CMAKE_SOURCE_DIR}/src/platform/*.h
  ${CMAKE_SOURCE_DIR}/src/macros/gui/*.h)
list(FILTER GUI_SOURCES EXCLUDE REGEX "/src/app/main\\.cpp$")

if(GUI_SOURCES)
  add_library(corvane_gui STATIC ${GUI_SOURCES} ${GUI_HEADERS})
  target_link_libraries(corvane_gui PUBLIC corvane_session corvane_platform Qt6::Widgets Qt6::Network)
  target_include_directories(corvane_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
  if(EXISTS ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
    add_executable(corvane ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
    target_link_libraries(corvane PRIVATE corvane_gui)
  endif()

  file(GLOB_RECURSE GUI_TEST_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tests/skin/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/dialogs/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/app/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/platform/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/macros/gui/*.cpp)
  if(GUI_TEST_SOURCES)
    add_executable(corvane_gui_tests ${GUI_TEST_SOURCES})
    target_include_directories(corvane_gui_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    # tests/skin/GuiTestMain.cpp provides main() with the QApplication every GUI test needs.
    target_link_libraries(corvane_gui_tests PRIVATE corvane_gui Qt6::Test GTest::gtest GTest::gmock)
    add_dependencies(corvane_gui_tests skins)
    target_compile_definitions(corvane_gui_tests PRIVATE
      CORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}" CORVANE_LANG_DIR="${CMAKE_BINARY_DIR}/lang")
    gtest_discover_tests(corvane_gui_tests DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS gui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endif()

include(${CMAKE_SOURCE_DIR}/cmake/Skins.cmake OPTIONAL)
