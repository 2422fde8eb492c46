# Third-party libraries, all from Debian 12 packages (see scripts/deps.sh).

find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network SerialPort Test LinguistTools)
find_package(Threads REQUIRED)

# Debian's split OpenCV packages (libopencv-core-dev, libopencv-imgproc-dev) ship no
# OpenCVConfig.cmake, so fall back to finding the headers and the two libraries directly.
find_package(OpenCV QUIET COMPONENTS core imgproc)
if(OpenCV_FOUND)
  add_library(velto_opencv INTERFACE)
  target_include_directories(velto_opencv SYSTEM INTERFACE ${OpenCV_INCLUDE_DIRS})
  target_link_libraries(velto_opencv INTERFACE opencv_core opencv_imgproc)
else()
  find_path(OPENCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4 REQUIRED)
  find_library(OPENCV_CORE_LIBRARY opencv_core REQUIRED)
  find_library(OPENCV_IMGPROC_LIBRARY opencv_imgproc REQUIRED)
  add_library(velto_opencv INTERFACE)
  target_include_directories(velto_opencv SYSTEM INTERFACE ${OPENCV_INCLUDE_DIR})
  target_link_libraries(velto_opencv INTERFACE ${OPENCV_IMGPROC_LIBRARY} ${OPENCV_CORE_LIBRARY})
endif()
add_library(OpenCV::core_imgproc ALIAS velto_opencv)

# ERFA (liberfa-dev): the IAU SOFA routines under a free licence.
find_path(ERFA_INCLUDE_DIR erfa.h REQUIRED)
find_library(ERFA_LIBRARY erfa REQUIRED)
add_library(velto_erfa INTERFACE)
target_include_directories(velto_erfa SYSTEM INTERFACE ${ERFA_INCLUDE_DIR})
target_link_libraries(velto_erfa INTERFACE ${ERFA_LIBRARY} m)
add_library(ERFA::erfa ALIAS velto_erfa)

find_package(benchmark QUIET)

# CFITSIO (libcfitsio-dev): the FITS frames INDI cameras send.
find_path(CFITSIO_INCLUDE_DIR fitsio.h REQUIRED)
find_library(CFITSIO_LIBRARY cfitsio REQUIRED)
add_library(velto_cfitsio INTERFACE)
target_include_directories(velto_cfitsio SYSTEM INTERFACE ${CFITSIO_INCLUDE_DIR})
target_link_libraries(velto_cfitsio INTERFACE ${CFITSIO_LIBRARY})
add_library(CFITSIO::cfitsio ALIAS velto_cfitsio)

# zlib (zlib1g-dev): the compressed frames of an INDI camera's video stream.
find_package(ZLIB REQUIRED)

# libindi (libindi-dev): the client library the INDI camera back end talks through, and the driver
# library our sky camera driver is built on. Its telescope base class (the driver's mount) includes
# libnova's headers, which Debian's libindi-dev does not bring (libnova-dev).
find_path(INDI_INCLUDE_DIR baseclient.h PATH_SUFFIXES libindi REQUIRED)
find_path(LIBNOVA_INCLUDE_DIR libnova/julian_day.h REQUIRED)
find_library(INDI_CLIENT_LIBRARY indiclient REQUIRED)
find_library(INDI_DRIVER_LIBRARY indidriver REQUIRED)
add_library(velto_indiclient INTERFACE)
target_include_directories(velto_indiclient SYSTEM INTERFACE ${INDI_INCLUDE_DIR})
target_link_libraries(velto_indiclient INTERFACE ${INDI_CLIENT_LIBRARY} Threads::Threads)
add_library(INDI::client ALIAS velto_indiclient)
add_library(velto_indidriver INTERFACE)
target_include_directories(velto_indidriver SYSTEM INTERFACE ${INDI_INCLUDE_DIR})
target_link_libraries(velto_indidriver INTERFACE ${INDI_DRIVER_LIBRARY})
add_library(INDI::driver ALIAS velto_indidriver)

# libgps (libgps-dev): the position of a GPS that gpsd serves, for the site. gpsd itself need not
# be installed or running.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBGPS REQUIRED IMPORTED_TARGET libgps)

# cpp-httplib (libcpp-httplib-dev): the phone view's HTTP server. Debian builds it as a library
# with OpenSSL, zlib and Brotli; its header must see the same options, which pkg-config gives.
pkg_check_modules(CppHttplib REQUIRED IMPORTED_TARGET cpp-httplib)

# libqrencode (libqrencode-dev): the phone view's address as a QR code.
pkg_check_modules(Qrencode REQUIRED IMPORTED_TARGET libqrencode)
