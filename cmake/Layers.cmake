# One static library per source folder, in one direction (see ARCHITECTURE.md).
#
# A library sees only its own folder and the folders of the libraries it links: each gets a
# directory of its own under build/layers/ holding a link to its folder, and that directory
# is its public include path. An include of a folder that is not linked (a layer above, or
# one beside it) is then not found and the build fails.
function(corvane_expose target scope folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} ${scope} ${root})
endfunction()

# corvane_library(NAME FOLDER SOURCES file.cpp ... LINKS lower libraries ...)
# Sources are named relative to src/FOLDER.
function(corvane_library name folder)
  cmake_parse_arguments(L "" "" "SOURCES;LINKS" ${ARGN})
  list(TRANSFORM L_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/${folder}/)
  add_library(${name} STATIC ${L_SOURCES})
  corvane_expose(${name} PUBLIC ${folder})
  target_link_libraries(${name} PUBLIC ${L_LINKS})
endfunction()
