# The other half of the layer check (cmake -DROOT=<source folder> -P CheckIncludes.cmake).
# An include of ours names a header by its bare name: a quoted include is looked up beside the
# including file first, so "../Window.h" or "platform/fltk/FltkPlatform.h" would reach past the
# layers. And a file of src/ includes only headers of its own layer and the layers below it,
# by the table below, also where the build would find the header by a library's path.
cmake_minimum_required(VERSION 3.25)
set(LAYERS math platform frame widgets constructions app)
# A backend or surface library sees the platform layer, and the libraries it draws with.
set(BELOW_platform/cairo math platform)
set(BELOW_platform/fltk math platform platform/cairo)
set(BELOW_platform/win32 math platform)
set(BELOW_platform/web math platform)
set(BELOW_platform/headless math platform platform/cairo platform/win32)

file(GLOB_RECURSE sources ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp
     ${ROOT}/bench/*.h ${ROOT}/bench/*.cpp)
file(GLOB_RECURSE headers RELATIVE ${ROOT}/src ${ROOT}/src/*.h)
foreach(header ${headers})
  get_filename_component(name ${header} NAME)
  get_filename_component(folder ${header} DIRECTORY)
  set(FOLDER_OF_${name} ${folder})
endforeach()
set(below "")
foreach(layer ${LAYERS})
  set(BELOW_${layer} ${below})
  list(APPEND below ${layer})
endforeach()

set(offences "")
foreach(source ${sources})
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*\"")
  file(RELATIVE_PATH relative ${ROOT} ${source})
  get_filename_component(folder ${relative} DIRECTORY)
  string(REGEX REPLACE "^src/" "" folder ${folder})
  foreach(include ${includes})
    string(REGEX REPLACE ".*\"([^\"]*)\".*" "\\1" name "${include}")
    if(name MATCHES "/")
      string(APPEND offences "\n  ${relative}: ${include} (by path)")
    elseif(relative MATCHES "^src/" AND DEFINED FOLDER_OF_${name})
      set(target ${FOLDER_OF_${name}})
      if(NOT target STREQUAL folder AND NOT target IN_LIST BELOW_${folder})
        string(APPEND offences "\n  ${relative}: ${include} (src/${target} is not below src/${folder})")
      endif()
    endif()
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "includes past the layers:${offences}")
endif()
