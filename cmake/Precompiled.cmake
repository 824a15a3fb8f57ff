# Precompiled headers. Qt's and the standard library's headers take most of each file's compile
# time, so they are compiled once per build in a host target and reused by the targets built
# with the same flags: the program's Qt libraries reuse a library host, the window tests an
# executable host (GCC refuses a header compiled with -fPIC in a -fPIE file, and says so). The
# optimised builds and the fuzz targets set CMAKE_DISABLE_PRECOMPILE_HEADERS and compile every
# file alone, which keeps each file's own includes complete.
set(KESTRINS_PRECOMPILED_HEADERS
  <algorithm> <array> <cmath> <cstdint> <functional> <memory> <optional> <string> <vector>
  <QApplication> <QDialog> <QImage> <QLabel> <QPainter> <QPushButton> <QString> <QTimer>
  <QWidget>)

# kestrins_precompiled_host(<name> LIBRARY|EXECUTABLE [HEADERS <more...>] [LIBS <targets...>])
# Makes the host <name>; LIBS are what the extra headers need besides Qt Widgets.
function(kestrins_precompiled_host name kind)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBS" ${ARGN})
  set(source ${PROJECT_SOURCE_DIR}/cmake/precompiled/host.cpp)
  if(kind STREQUAL "EXECUTABLE")
    add_executable(${name} ${source})
  else()
    add_library(${name} OBJECT ${source})
  endif()
  target_link_libraries(${name} PRIVATE Qt6::Widgets ${ARG_LIBS} kestrins_warnings)
  target_precompile_headers(${name} PRIVATE ${KESTRINS_PRECOMPILED_HEADERS} ${ARG_HEADERS})
endfunction()
