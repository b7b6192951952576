# Checks two layering rules over a source tree, run as
#   cmake -DSOURCE_DIR=<tree holding src/> [-DCONTROL_DIR=<the control's folder>] -P layercheck.cmake
# - a file of src/model includes only files of src/model and the C++ standard library:
#   no other folder of src/, no Qt, no expat, no system header;
# - a file of src/comrt includes nothing of the keypad text box and names none of its
#   classes or class identifiers, so that the runtime stays usable by any component.
# Every breach is listed; the script fails when there is one.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
if(NOT DEFINED CONTROL_DIR)
  set(CONTROL_DIR ${SOURCE_DIR}/src/lcdtextbox)
endif()

set(breaches "")

file(GLOB model_files ${SOURCE_DIR}/src/model/*.h ${SOURCE_DIR}/src/model/*.cpp)
foreach(path IN LISTS model_files)
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      # Only a name of this folder itself: "model/x.h" or "../x.h" would resolve through
      # the include path of whoever builds the file, not through the folder.
      set(name ${CMAKE_MATCH_1})
      if(name MATCHES "[/\\\\]" OR NOT EXISTS ${SOURCE_DIR}/src/model/${name})
        list(APPEND breaches "${path}: ${line}")
      endif()
    elseif(line MATCHES "include[ \t]*<([^>]+)>")
      # The standard C++ headers are all lower case without an extension; Qt's begin with
      # a capital, the C and system headers end in .h.
      if(NOT CMAKE_MATCH_1 MATCHES "^[a-z_]+$")
        list(APPEND breaches "${path}: ${line}")
      endif()
    else()
      list(APPEND breaches "${path}: ${line}")
    endif()
  endforeach()
endforeach()

# What names the control: its folder and library name, its top-level classes, and the
# leading part of each of its class identifiers (written as a number or as a string).
set(control_words "")
file(GLOB control_headers ${CONTROL_DIR}/*.h)
if(NOT control_headers)
  message(FATAL_ERROR "No headers of the keypad text box in ${CONTROL_DIR}")
endif()
foreach(header IN LISTS control_headers)
  file(STRINGS ${header} declarations REGEX "^(class|struct) +[A-Za-z_][A-Za-z_0-9]*[^;]*$")
  foreach(line IN LISTS declarations)
    string(REGEX REPLACE "^(class|struct) +([A-Za-z_][A-Za-z_0-9]*).*" "\\2" word "${line}")
    list(APPEND control_words ${word})
  endforeach()
  set(uuid "QUuid[ \t]*[A-Za-z_0-9]*[ \t]*[{(][ \t]*0x([0-9a-fA-F]+)")
  file(STRINGS ${header} uuids REGEX "${uuid}")
  foreach(line IN LISTS uuids)
    string(REGEX REPLACE ".*${uuid}.*" "\\1" word "${line}")
    list(APPEND control_words ${word})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES control_words)

file(GLOB comrt_files ${SOURCE_DIR}/src/comrt/*)
foreach(path IN LISTS comrt_files)
  file(READ ${path} text)
  string(TOLOWER "${text}" lower)
  if(lower MATCHES "lcdtextbox")
    list(APPEND breaches "${path}: names lcdtextbox")
  endif()
  foreach(word IN LISTS control_words)
    string(TOLOWER "${word}" lower_word)
    if(lower MATCHES "(^|[^a-z0-9_])${lower_word}([^a-z0-9_]|$)")
      list(APPEND breaches "${path}: names ${word}")
    endif()
  endforeach()
endforeach()

if(breaches)
  list(JOIN breaches "\n  " listed)
  message(FATAL_ERROR "Layering breached:\n  ${listed}")
endif()
list(LENGTH model_files model_count)
list(LENGTH comrt_files comrt_count)
message(STATUS "Layers kept: ${model_count} model files, ${comrt_count} runtime files")
