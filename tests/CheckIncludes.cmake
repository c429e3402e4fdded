# The other half of the layer check (cmake -DROOT=<source folder> -P CheckIncludes.cmake):
# an include of ours names a header by its bare name, found on its layer's include path.
# A quoted include is looked up beside the including file first, so "../Window.h" or
# "platform/fltk/FltkPlatform.h" would reach past the layers; both fail here.
file(GLOB_RECURSE sources ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp
     ${ROOT}/bench/*.h ${ROOT}/bench/*.cpp)
set(offences "")
foreach(source ${sources})
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*/[^\"]*\"")
  foreach(include ${includes})
    string(APPEND offences "\n  ${source}: ${include}")
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "includes by path, past the layers:${offences}")
endif()
