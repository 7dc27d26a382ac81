# Each target sees the headers of what it links, and no others. A library's
# include folder is its own, include/<target>/ in the build tree: it holds a
# symbolic link to each of the library's headers under the folder they have
# in the sources, so "sim/flight.h" resolves only for a target that links
# tavrel_sim, and an include that crosses a layer without a link fails.
#   tavrel_headers(<target> <folder> [ONLY <header> ...] [EXCEPT <header> ...])
# The headers are those of <folder> itself (not of its sub-folders, which are
# libraries of their own), or the ONLY ones, less the EXCEPT ones: where two
# libraries share a folder, each names its part. An executable keeps its
# folder to itself; a library hands it to whoever links it.
function(tavrel_headers target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ONLY;EXCEPT")
  set(source ${CMAKE_SOURCE_DIR}/${folder})
  if(arg_ONLY)
    set(headers ${arg_ONLY})
  else()
    file(GLOB headers RELATIVE ${source} CONFIGURE_DEPENDS ${source}/*.h)
  endif()
  if(arg_EXCEPT)
    list(REMOVE_ITEM headers ${arg_EXCEPT})
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  # Made anew at each configuration, so that a header removed goes too.
  file(REMOVE_RECURSE ${root}/${folder})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header ${headers})
    if(NOT EXISTS ${source}/${header})
      message(FATAL_ERROR "tavrel_headers(${target}): ${folder}/${header} does not exist")
    endif()
    file(CREATE_LINK ${source}/${header} ${root}/${folder}/${header} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL EXECUTABLE)
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
