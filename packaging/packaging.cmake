# Installing and the Debian package. Installed, the programs live in bin and find their
# libraries in a private folder through a relative run path, so the package works under any
# prefix; the sample drive and help file are the seed of each user's own drive folder.
set(KPD_PACKAGE keypad-string-tool)
set(KPD_LIBDIR lib/${KPD_PACKAGE})
set(KPD_DATADIR share/${KPD_PACKAGE})
set(KPD_APP_ID org.example.KeypadStringTool)

set(kpd_programs keypad-string-tool kpdtool regcomp keypad-node-sim lcdglyphs)
set(kpd_libraries lcdtextbox comrt zvnapi32)
set_target_properties(${kpd_programs} PROPERTIES INSTALL_RPATH "$ORIGIN/../${KPD_LIBDIR}")
set_target_properties(${kpd_libraries} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${kpd_programs} RUNTIME DESTINATION bin)
install(TARGETS ${kpd_libraries} LIBRARY DESTINATION ${KPD_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${KPD_DATADIR})
if(KPD_FONT)
  install(FILES ${KPD_FONT} DESTINATION ${KPD_DATADIR})
endif()

set(kpd_packaging ${PROJECT_SOURCE_DIR}/packaging)
configure_file(${kpd_packaging}/${KPD_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/packaging/${KPD_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${kpd_packaging}/${KPD_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${KPD_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${kpd_packaging}/icons/${KPD_PACKAGE}-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${KPD_PACKAGE}.png)
endforeach()
install(FILES ${kpd_packaging}/icons/${KPD_PACKAGE}.svg DESTINATION share/icons/hicolor/scalable/apps)

# The manual page of kpdtool is its own --help and --version, so it cannot drift from them.
find_program(KPD_HELP2MAN help2man DOC "help2man, which writes kpdtool's manual page")
if(KPD_HELP2MAN)
  set(kpd_man ${PROJECT_BINARY_DIR}/packaging/kpdtool.1)
  add_custom_command(OUTPUT ${kpd_man}.gz
    COMMAND ${KPD_HELP2MAN} --no-info --section=1 --source=${KPD_PACKAGE}
            "--name=build and export the keypad string database without the editor"
            --output=${kpd_man} $<TARGET_FILE:kpdtool>
    COMMAND gzip -9nf ${kpd_man}
    DEPENDS kpdtool
    COMMENT "Writing the manual page of kpdtool")
  add_custom_target(kpdtool_manpage ALL DEPENDS ${kpd_man}.gz)
  install(FILES ${kpd_man}.gz DESTINATION share/man/man1)
else()
  message(STATUS "help2man not found: the package goes without kpdtool's manual page (scripts/setup.sh installs it)")
endif()

# cpack installs what is built and builds nothing itself: scripts/package.sh builds first,
# and the package test must not start a build of the whole tree under ctest.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KPD_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the texts of the drive's LCD keypad")
set(CPACK_PACKAGE_DESCRIPTION "Edits the parameter, help and trip texts that the drive's LCD keypad shows,\
 compared against reference languages, and builds the keypad's string database (Intel hex,\
 assembler, flashing file, download segments). Includes kpdtool, the same build without a window.")
set(CPACK_PACKAGE_CONTACT "Keypad String Tool maintainers <keypad-string-tool@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# Run-time packages only: the Qt libraries with their platform plugins, expat and the
# spelling library. The dictionaries are recommended: without one, spelling is said to be off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins (>= 6.4), libexpat1 (>= 2.2),\
 libhunspell-1.7-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "hunspell-en-us, hunspell-en-gb, hunspell-fr, hunspell-de-de, hunspell-it, hunspell-es")
set(CPACK_STRIP_FILES ON)
include(CPack)

# Builds the package and starts every program it installs, far from the build tree.
add_test(NAME package
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/packagetest.sh ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
set_tests_properties(package PROPERTIES LABELS package SKIP_RETURN_CODE 77 TIMEOUT 300)
