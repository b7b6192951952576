# Checks the layering rules over a source tree, run as
#   cmake -DSOURCE_DIR=<tree holding src/> [-DCONTROL_DIR=<the control's folder>]
#         [-DTEXTMODEL_DIR=<the keypad text model's folder>] -P layercheck.cmake
# - a file of src/model or src/keypadtext includes only files of its own folder and the C++
#   standard library: no other folder of src/, no Qt, no expat, no system header;
# - a file of the core (src/model, xmlfiles, build, checks, compare, fileio) includes nothing
#   of the keypad text box control;
# - the checks and the control include the text model from its folder, and no other folder
#   holds a file of the text model's names: a text is laid out by one copy of the code;
# - a file of src/comrt includes nothing of the keypad text box and names none of its
#   classes or class identifiers, so that the runtime stays usable by any component;
# - the editor's shell points one way: its own files (the drive document and shared
#   services) include nothing of panels/, commands/ or frame/, the panels nothing of the
#   commands or the frame, the commands nothing of the frame: only the frame knows the
#   main window.
# Every breach is listed; the script fails when there is one.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
if(NOT DEFINED CONTROL_DIR)
  set(CONTROL_DIR ${SOURCE_DIR}/src/lcdtextbox)
endif()
if(NOT DEFINED TEXTMODEL_DIR)
  set(TEXTMODEL_DIR ${SOURCE_DIR}/src/keypadtext)
endif()

set(breaches "")

# Appends to breaches every include of a file in folder that reaches outside it.
function(check_alone folder)
  file(GLOB files ${folder}/*.h ${folder}/*.cpp)
  foreach(path IN LISTS files)
    file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([^\"]+)\"")
        # Only a name of this folder itself: "model/x.h" or "../x.h" would resolve through
        # the include path of whoever builds the file, not through the folder.
        set(name ${CMAKE_MATCH_1})
        if(name MATCHES "[/\\\\]" OR NOT EXISTS ${folder}/${name})
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
  list(LENGTH files count)
  set(breaches "${breaches}" PARENT_SCOPE)
  set(alone_count ${count} PARENT_SCOPE)
endfunction()

check_alone(${SOURCE_DIR}/src/model)
set(model_count ${alone_count})
check_alone(${SOURCE_DIR}/src/keypadtext)

file(GLOB control_headers ${CONTROL_DIR}/*.h)
if(NOT control_headers)
  message(FATAL_ERROR "No headers of the keypad text box in ${CONTROL_DIR}")
endif()
file(GLOB textmodel_files RELATIVE ${TEXTMODEL_DIR} ${TEXTMODEL_DIR}/*.h ${TEXTMODEL_DIR}/*.cpp)
if(NOT textmodel_files)
  message(FATAL_ERROR "No files of the keypad text model in ${TEXTMODEL_DIR}")
endif()

# The core reaches the control neither by its folder nor by the name of one of its headers.
set(control_names "")
foreach(header IN LISTS control_headers)
  get_filename_component(name ${header} NAME)
  list(APPEND control_names ${name})
endforeach()
foreach(folder model xmlfiles build checks compare fileio)
  file(GLOB files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(path IN LISTS files)
    file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(NOT line MATCHES "include[ \t]*[\"<]([^\">]+)[\">]")
        continue()
      endif()
      set(name ${CMAKE_MATCH_1})
      get_filename_component(leaf ${name} NAME)
      if(name MATCHES "(^|[/\\\\])lcdtextbox[/\\\\]" OR leaf IN_LIST control_names)
        list(APPEND breaches "${path}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The users of the text model take it from its folder.
foreach(user ${SOURCE_DIR}/src/checks ${CONTROL_DIR})
  if(NOT IS_DIRECTORY ${user})
    continue()
  endif()
  file(GLOB files ${user}/*.h ${user}/*.cpp)
  set(uses_model FALSE)
  foreach(path IN LISTS files)
    file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"keypadtext/")
    if(includes)
      set(uses_model TRUE)
    endif()
  endforeach()
  if(NOT uses_model)
    list(APPEND breaches "${user}: includes nothing of keypadtext/")
  endif()
endforeach()
file(GLOB_RECURSE source_files ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
foreach(path IN LISTS source_files)
  get_filename_component(name ${path} NAME)
  get_filename_component(folder ${path} DIRECTORY)
  if(name IN_LIST textmodel_files AND NOT folder STREQUAL "${SOURCE_DIR}/src/keypadtext")
    list(APPEND breaches "${path}: copies keypadtext/${name}")
  endif()
endforeach()

# What names the control: its folder and library name, its top-level classes, and the
# leading part of each of its class identifiers (written as a number or as a string).
# The text model counts as part of the control here.
set(control_words "")
file(GLOB textmodel_headers ${TEXTMODEL_DIR}/*.h)
foreach(header IN LISTS control_headers textmodel_headers)
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

# The shell's tiers: each folder with the folders it must not include.
set(shell_tiers
  "shell\;panels\;commands\;frame"
  "shell/panels\;commands\;frame"
  "shell/commands\;frame")
foreach(tier IN LISTS shell_tiers)
  list(POP_FRONT tier folder)
  file(GLOB files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(path IN LISTS files)
    file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      foreach(above IN LISTS tier)
        if(line MATCHES "include[ \t]*\"(shell/)?${above}/")
          list(APPEND breaches "${path}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(breaches)
  list(JOIN breaches "\n  " listed)
  message(FATAL_ERROR "Layering breached:\n  ${listed}")
endif()
list(LENGTH comrt_files comrt_count)
message(STATUS "Layers kept: ${model_count} model files, ${alone_count} text model files, ${comrt_count} runtime files")
