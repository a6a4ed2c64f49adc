# The Qt and standard headers nearly every file includes, compiled once per
# kind of target and reused by every target of that kind (the compile flags
# are the same; only include directories and definitions of our own differ,
# and those appear in none of these headers). A header that cannot be reused
# is read as text again, so this only ever saves time.
option(TESSELL_PCH "Precompile the Qt and standard headers" ON)

set(TESSELL_CORE_HEADERS <QString> <QStringList> <QByteArray> <QFile> <QFileInfo> <QDir> <QImage> <QHash>
  <QSaveFile> <algorithm> <array> <cstdint> <cstring> <functional> <limits> <memory> <vector>)
set(TESSELL_WIDGET_HEADERS ${TESSELL_CORE_HEADERS} <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox>
  <QFormLayout> <QHBoxLayout> <QLabel> <QLineEdit> <QListWidget> <QPushButton> <QVBoxLayout> <QWidget>)

# Written only when it differs, so a new configure rebuilds nothing.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/pch/empty.cpp CONTENT "// The precompiled headers' own compile.\n")

# tessell_precompiled(kind target): the target reuses the headers of its kind
# (core, widgets, tests, widget_tests), made the first time a kind is asked for.
function(tessell_precompiled kind target)
  if(NOT TESSELL_PCH)
    return()
  endif()
  set(_pch tessell_pch_${kind})
  if(NOT TARGET ${_pch})
    add_library(${_pch} OBJECT ${CMAKE_BINARY_DIR}/pch/empty.cpp)
    if(kind STREQUAL "core")
      target_link_libraries(${_pch} PRIVATE Qt6::Core Qt6::Gui)
      target_precompile_headers(${_pch} PRIVATE ${TESSELL_CORE_HEADERS})
    elseif(kind STREQUAL "widgets")
      target_link_libraries(${_pch} PRIVATE Qt6::Core Qt6::Gui Qt6::Widgets)
      target_precompile_headers(${_pch} PRIVATE ${TESSELL_WIDGET_HEADERS})
    elseif(kind STREQUAL "tests")
      target_link_libraries(${_pch} PRIVATE Qt6::Core Qt6::Gui Qt6::Test GTest::gtest)
      target_precompile_headers(${_pch} PRIVATE ${TESSELL_CORE_HEADERS} <QTest> <gtest/gtest.h>)
    elseif(kind STREQUAL "widget_tests")
      target_link_libraries(${_pch} PRIVATE Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Test GTest::gtest)
      target_precompile_headers(${_pch} PRIVATE ${TESSELL_WIDGET_HEADERS} <QApplication> <QTest> <gtest/gtest.h>)
    else()
      message(FATAL_ERROR "no precompiled headers of the kind ${kind}")
    endif()
  endif()
  target_precompile_headers(${target} REUSE_FROM ${_pch})
endfunction()
