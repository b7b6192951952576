# Precompiled headers: the standard, Qt and GoogleTest headers that nearly every widget and
# test source includes are parsed once per group of targets instead of once per source.
# A group shares one header: its first target builds it, the others reuse it. GCC takes a
# precompiled header only when the code generation flags match (-fPIC and -fPIE differ), so
# a group holds targets compiled alike; a header it refuses shows as a -Winvalid-pch warning.

set(kpd_pch_std <algorithm> <cstdint> <functional> <memory> <optional> <string> <vector>)
set(kpd_pch_qt
  <QApplication> <QDialog> <QDir> <QFile> <QFileInfo> <QGridLayout> <QGroupBox> <QHBoxLayout>
  <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMainWindow> <QPainter> <QPushButton>
  <QString> <QTableWidget> <QTimer> <QVBoxLayout> <QWidget>)
set(kpd_pch_gtest <gtest/gtest.h>)

# ccache caches a compile that uses a precompiled header only when told that the header's
# macros and time macros may be ignored; the setting rides on these targets' launcher so the
# rest of the build and any ccache set up by hand keep their own.
function(kpd_pch_launcher target)
  if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
    return()
  endif()
  list(GET CMAKE_CXX_COMPILER_LAUNCHER 0 launcher)
  get_filename_component(launcher_name ${launcher} NAME)
  if(NOT launcher_name STREQUAL "ccache")
    return()
  endif()
  execute_process(COMMAND ${launcher} --get-config sloppiness
                  OUTPUT_VARIABLE sloppiness OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REPLACE " " "" sloppiness "${sloppiness}")
  foreach(needed pch_defines time_macros)
    if(NOT sloppiness MATCHES "(^|,)${needed}(,|$)")
      if(sloppiness)
        string(APPEND sloppiness ",")
      endif()
      string(APPEND sloppiness ${needed})
    endif()
  endforeach()
  set_property(TARGET ${target} PROPERTY CXX_COMPILER_LAUNCHER
               ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=${sloppiness} ${CMAKE_CXX_COMPILER_LAUNCHER})
endfunction()

# kpd_precompile_headers(TARGET SETS set...): TARGET builds a header of the named sets
# (std, qt, gtest). kpd_precompile_headers(TARGET REUSE_FROM OWNER): TARGET uses
# OWNER's header; both must be compiled with the same flags.
function(kpd_precompile_headers target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "REUSE_FROM" "SETS")
  if(arg_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${arg_REUSE_FROM})
  else()
    set(headers)
    foreach(set ${arg_SETS})
      if(DEFINED kpd_pch_${set})
        list(APPEND headers ${kpd_pch_${set}})
      else()
        message(FATAL_ERROR "kpd_precompile_headers: no header set '${set}'")
      endif()
    endforeach()
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
  kpd_pch_launcher(${target})
endfunction()
