# The installed layout of a desktop program (cmake --install, and the Debian package):
#   bin/velto-q7                                   the program
#   bin/indi_veltoq7_sky, share/indi/*.xml         our sky as an INDI camera driver, and its entry
#                                                  in INDI clients' driver lists
#   lib/velto-q7/libkarvix.so                      the camera library, private to the program
#   lib/velto-q7/libkarvix-indi.so                 its INDI back end, which it loads from its own
#                                                  folder when an INDI camera is used
#   share/velto-q7/Velto Q7 Manual.pdf             the manual (Help -> Velto Q7 Manual)
#   share/applications, share/metainfo             the launcher entry and its AppStream data
#   share/icons/hicolor/<size>/apps                the icons, 16 to 256 px and scalable
#   share/man/man1, share/doc/velto-q7             the manual page, changelog and copyright
# Installed, the program keeps its settings in the user's configuration folder.
include(GNUInstallDirs)

set(VELTO_APP_ID example.nordvane.VeltoQ7)
# A private library's folder of its own, under the architecture's library folder where the system
# has one (lib/x86_64-linux-gnu/velto-q7 on Debian), so the dynamic linker's cache never lists it.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(VELTO_PRIVATE_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/velto-q7)
else()
  set(VELTO_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/velto-q7)
endif()

set_target_properties(velto-q7 PROPERTIES INSTALL_RPATH "$ORIGIN/../${VELTO_PRIVATE_LIBDIR}")
install(TARGETS velto-q7 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS karvix karvix-indi LIBRARY DESTINATION ${VELTO_PRIVATE_LIBDIR})
# The plate-solving worker is a helper of the program, not a command of its own.
install(TARGETS velto-q7-solver RUNTIME DESTINATION ${VELTO_PRIVATE_LIBDIR})
target_compile_definitions(solve PRIVATE VELTO_PRIVATE_LIBDIR="${VELTO_PRIVATE_LIBDIR}")
install(TARGETS velto-phoneview LIBRARY DESTINATION ${VELTO_PRIVATE_LIBDIR})
target_compile_definitions(phone_view PRIVATE VELTO_PRIVATE_LIBDIR="${VELTO_PRIVATE_LIBDIR}")
set_target_properties(indi_veltoq7_sky PROPERTIES INSTALL_RPATH "$ORIGIN/../${VELTO_PRIVATE_LIBDIR}")
install(TARGETS indi_veltoq7_sky RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES karvix/indidriver/indi_veltoq7_sky.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/indi)
install(FILES "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Velto Q7 Manual.pdf"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/velto-q7)
install(FILES resources/desktop/${VELTO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${VELTO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Compressed as Debian wants them (gzip -9n: no name or time stamp, so the bytes repeat).
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
foreach(doc changelog velto-q7.1)
  add_custom_command(OUTPUT ${packaging_out}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/${doc} > ${packaging_out}/${doc}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${doc}
    VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${packaging_out}/changelog.gz ${packaging_out}/velto-q7.1.gz)
install(FILES ${packaging_out}/velto-q7.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_out}/changelog.gz packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velto-q7)
