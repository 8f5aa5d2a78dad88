# Skin pictures and the program's own images, drawn at build time by tools/skingen.
# The skins land in <build>/skins beside the executables; the five resource pictures are
# written to <build>/generated/res, and cmake/Gui.cmake compiles them into the toolkit.
file(GLOB SKINGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/skingen/*.cpp)
add_executable(skingen ${SKINGEN_SOURCES})
find_package(PNG REQUIRED)
target_link_libraries(skingen PRIVATE Qt6::Gui PNG::PNG)
corvane_build_tool(skingen)
set_target_properties(skingen PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(SKIN_DIR ${CMAKE_BINARY_DIR}/skins)
set(SKIN_RES_DIR ${CMAKE_BINARY_DIR}/generated/res)
set(SKIN_RES_FILES 128.png 364.png 287.png 187.png 188.png)
set(SKIN_RES_PATHS "")
foreach(f ${SKIN_RES_FILES})
  list(APPEND SKIN_RES_PATHS ${SKIN_RES_DIR}/${f})
endforeach()
set(SKIN_STAMP ${CMAKE_BINARY_DIR}/generated/skins.stamp)

add_custom_command(
  OUTPUT ${SKIN_STAMP} ${SKIN_RES_PATHS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:skingen> ${SKIN_DIR} ${SKIN_RES_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${SKIN_STAMP}
  DEPENDS skingen
  COMMENT "Drawing the skin files"
  VERBATIM)
add_custom_target(skins ALL DEPENDS ${SKIN_STAMP})
