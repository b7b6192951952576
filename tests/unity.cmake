# The test sources a unity build compiles alone, as FOLDER/FILE under tests/: their
# file-local names clash with another source's of the same program. Read after the folders
# are added, since a source's properties belong to the folder of its program.
set(kpd_unity_alone
  model/parameters_test.cpp
  xmlfiles/hostilefiles_test.cpp
  cli/checkcommand_test.cpp
  cli/diffcommand_test.cpp
  keypadtext/keypadtext_test.cpp
  lcdtextbox/charmap/keymapfile_test.cpp
  comrt/registration_test.cpp
)
foreach(entry ${kpd_unity_alone})
  get_filename_component(folder ${entry} DIRECTORY)
  # The sanitized sub-build adds only the core's test folders.
  string(REGEX REPLACE "/.*" "" top ${folder})
  if(KPD_SANITIZED_CORE AND NOT top IN_LIST kpd_core_test_dirs)
    continue()
  endif()
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/${entry} DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/${folder}
                              PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
endforeach()
