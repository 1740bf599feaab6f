# zlib, libpng and libjpeg: the system's for the native build, Debian's
# mingw zlib and our cross-built static libpng/libjpeg for win64. Everything
# links statically on Windows so the programs need no DLL beside them.
if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)
  set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)

# libdeflate inflates picture blocks in one shot (their raw size is stored):
# the system's for the native build, our cross-built static one for win64.
# zlib still writes them and serves libpng.
find_path(LIBDEFLATE_INCLUDE_DIR libdeflate.h REQUIRED)
find_library(LIBDEFLATE_LIBRARY NAMES deflate REQUIRED)
add_library(libdeflate::libdeflate UNKNOWN IMPORTED)
set_target_properties(libdeflate::libdeflate PROPERTIES
  IMPORTED_LOCATION ${LIBDEFLATE_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${LIBDEFLATE_INCLUDE_DIR})
