# An installation into a fresh prefix works on its own: every promised file is there,
# corvanectl and corvane run from it, and the gallery rendered by the installed corvane is
# the same, picture for picture, as the one rendered in the build tree (which it can only
# be when the installed program found the installed skins).
#   cmake -DBUILD_DIR=<build> -DWORK=<scratch folder> -DVERSION=<x.y> -DAPP_ID=<id> -P InstallTree.cmake
foreach(var BUILD_DIR WORK VERSION APP_ID)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "InstallTree.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

set(expected
  bin/corvane bin/corvanectl
  share/corvane/skins/exit_nr.png share/corvane/skins/mouse
  share/corvane/lang/Lan_EN.txt share/corvane/lang/Lan.txt share/corvane/lang/LanSetting.ini
  lib/udev/rules.d/70-corvane.rules
  share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/48x48/apps/${APP_ID}.png share/icons/hicolor/128x128/apps/${APP_ID}.png
  share/icons/hicolor/256x256/apps/${APP_ID}.png
  share/man/man1/corvane.1.gz share/man/man1/corvanectl.1.gz
  share/bash-completion/completions/corvanectl
  share/doc/corvane/copyright share/doc/corvane/changelog.gz)
set(missing "")
foreach(f ${expected})
  if(NOT EXISTS ${prefix}/${f})
    list(APPEND missing ${f})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing from the installed tree: ${missing}")
endif()

foreach(program corvanectl corvane)
  execute_process(COMMAND ${prefix}/bin/${program} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${program} ${VERSION}")
    message(FATAL_ERROR "${program} --version from the prefix: exit ${rc}, \"${out}\"")
  endif()
endforeach()

# The same gallery from the build tree and from the prefix, each with its own data.
foreach(side build installed)
  if(side STREQUAL "build")
    set(corvane ${BUILD_DIR}/corvane)
  else()
    set(corvane ${prefix}/bin/corvane)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${WORK}/${side}-data
                          ${corvane} --gallery ${WORK}/${side}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${side} corvane --gallery: exit ${rc}: ${out} ${err}")
  endif()
endforeach()
file(GLOB pictures RELATIVE ${WORK}/build ${WORK}/build/*.png)
list(LENGTH pictures count)
if(count EQUAL 0)
  message(FATAL_ERROR "the build tree's gallery is empty")
endif()
set(differ "")
foreach(p ${pictures})
  if(NOT EXISTS ${WORK}/installed/${p})
    list(APPEND differ ${p})
    continue()
  endif()
  file(SHA256 ${WORK}/build/${p} a)
  file(SHA256 ${WORK}/installed/${p} b)
  if(NOT a STREQUAL b)
    list(APPEND differ ${p})
  endif()
endforeach()
if(differ)
  list(LENGTH differ n)
  list(SUBLIST differ 0 5 some)
  message(FATAL_ERROR "${n} of ${count} gallery pictures differ between the build tree and the prefix "
                      "(skins not found where installed?), e.g. ${some}")
endif()
message(STATUS "installed tree complete; ${count} gallery pictures identical")
