# The two firmware images the program carries, compiled into corvane_core as byte arrays.
# By default tools/fwgen builds deterministic stand-in images with valid headers; a maker
# embeds the real images by pointing these options at the image files.
set(CORVANE_FW_APP_IMAGE "" CACHE FILEPATH "Application firmware image to embed (default: generated)")
set(CORVANE_FW_LOADER_IMAGE "" CACHE FILEPATH "Loader firmware image to embed (default: generated)")

# The generator shares the image code of the core but must not link the core, which
# depends on its output.
add_executable(corvane_fwgen
  ${CMAKE_SOURCE_DIR}/tools/fwgen/fwgen.cpp
  ${CMAKE_SOURCE_DIR}/src/device/FirmwareImages.cpp
  ${CMAKE_SOURCE_DIR}/src/device/ImageChecksum.cpp)
target_include_directories(corvane_fwgen PRIVATE ${CMAKE_SOURCE_DIR}/src)
corvane_build_tool(corvane_fwgen)

set(CORVANE_FW_ARGS "")
set(CORVANE_FW_DEPENDS corvane_fwgen)
foreach(kind APP LOADER)
  set(image "${CORVANE_FW_${kind}_IMAGE}")
  if(image)
    get_filename_component(image "${image}" ABSOLUTE)
    if(NOT EXISTS "${image}" OR IS_DIRECTORY "${image}")
      message(FATAL_ERROR "CORVANE_FW_${kind}_IMAGE: no image file at ${image}")
    endif()
    string(TOLOWER ${kind} flag)
    list(APPEND CORVANE_FW_ARGS --${flag} ${image})
    list(APPEND CORVANE_FW_DEPENDS ${image})
  endif()
endforeach()

set(CORVANE_FW_SOURCE ${CMAKE_BINARY_DIR}/generated/device/FirmwareImageData.cpp)
add_custom_command(
  OUTPUT ${CORVANE_FW_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/device
  COMMAND corvane_fwgen --out ${CORVANE_FW_SOURCE} ${CORVANE_FW_ARGS}
  DEPENDS ${CORVANE_FW_DEPENDS}
  COMMENT "Embedding the firmware images"
  VERBATIM)
target_sources(corvane_device PRIVATE ${CORVANE_FW_SOURCE})
