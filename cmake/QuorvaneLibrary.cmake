# One static library per source folder, linked in the direction of the layers:
# common <- system <- registry <- ui <- {dialogs, pinger, memory, optimizer, ...} <- shell.
#
#   quorvane_library(NAME DEPENDS lib... SYSTEM_LIBS lib... SOURCES file...)
#
# makes quorvane_NAME from the sources (relative to the calling folder) and links it to
# quorvane_<dep> for each dependency. It also notes which src folders the library's
# sources may include from: their own and those of their dependencies, transitively.
# The layer check (cmake/CheckLayers.cmake) fails the build on any other include.

set(QUORVANE_LAYER_RULES "" CACHE INTERNAL "")

function(quorvane_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;SYSTEM_LIBS;SOURCES" ${ARGN})
  set(target quorvane_${name})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(${target} PUBLIC quorvane_${dep})
  endforeach()
  target_link_libraries(${target} PUBLIC ${ARG_SYSTEM_LIBS})

  # The library's own folders, relative to src.
  file(RELATIVE_PATH here ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(own "")
  foreach(source IN LISTS ARG_SOURCES)
    if(here)
      set(source "${here}/${source}")
    endif()
    get_filename_component(dir "${source}" DIRECTORY)
    list(APPEND own ${dir})
  endforeach()
  list(REMOVE_DUPLICATES own)

  set(allowed ${own})
  foreach(dep IN LISTS ARG_DEPENDS)
    get_property(dep_allowed GLOBAL PROPERTY quorvane_${dep}_folders)
    if(NOT dep_allowed)
      message(FATAL_ERROR "quorvane_library(${name}): ${dep} must be declared before it")
    endif()
    list(APPEND allowed ${dep_allowed})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY quorvane_${name}_folders ${allowed})

  # One rule per folder: "folder=allowed;allowed;..." joined by '|'.
  set(rules ${QUORVANE_LAYER_RULES})
  foreach(dir IN LISTS own)
    string(REPLACE ";" "," allowed_text "${allowed}")
    list(APPEND rules "${dir}=${allowed_text}")
  endforeach()
  set(QUORVANE_LAYER_RULES "${rules}" CACHE INTERNAL "")
endfunction()
