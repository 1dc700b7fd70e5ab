# Where an installed Varnok 3 puts its files, and the Debian package made from them.
include(GNUInstallDirs)

set(VARNOK_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

if(TARGET varnok3)
  install(TARGETS varnok3 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES "${VARNOK_PACKAGING_DIR}/varnok3.desktop"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES "${VARNOK_PACKAGING_DIR}/org.varnok3.Varnok3.metainfo.xml"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES "${VARNOK_PACKAGING_DIR}/varnok3-mime.xml"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME varnok3.xml)
  install(FILES "${VARNOK_PACKAGING_DIR}/icons/varnok3.svg"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES "${VARNOK_PACKAGING_DIR}/icons/varnok3-${size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME varnok3.png)
  endforeach()
  install(DIRECTORY "${PROJECT_SOURCE_DIR}/app/help/"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/varnok3/help)
endif()

if(TARGET varnok3-batch)
  install(TARGETS varnok3-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET varnok_batch_pdf)
  install(TARGETS varnok_batch_pdf LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/varnok3)
endif()
if(TARGET varnok_batch_charts)
  install(TARGETS varnok_batch_charts LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/varnok3)
endif()

install(DIRECTORY "${PROJECT_SOURCE_DIR}/examples/"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/varnok3/examples)

# Manual pages, compressed as Debian keeps them. The batch program's page is made from its
# --help at build time when help2man is there.
find_program(VARNOK_GZIP gzip)
find_program(VARNOK_HELP2MAN help2man)
set(man_pages "${VARNOK_PACKAGING_DIR}/varnok3.1")
if(TARGET varnok3-batch AND VARNOK_HELP2MAN)
  add_custom_command(
    OUTPUT "${PROJECT_BINARY_DIR}/varnok3-batch.1"
    COMMAND "${VARNOK_HELP2MAN}" --no-info --section=1
            "--name=reliability growth models over a failure data file, without a screen"
            "--include=${VARNOK_PACKAGING_DIR}/varnok3-batch.h2m"
            "--output=${PROJECT_BINARY_DIR}/varnok3-batch.1" $<TARGET_FILE:varnok3-batch>
    DEPENDS varnok3-batch "${VARNOK_PACKAGING_DIR}/varnok3-batch.h2m"
    VERBATIM)
  list(APPEND man_pages "${PROJECT_BINARY_DIR}/varnok3-batch.1")
endif()
if(VARNOK_GZIP)
  set(compressed_pages "")
  foreach(page ${man_pages})
    get_filename_component(name "${page}" NAME)
    add_custom_command(
      OUTPUT "${PROJECT_BINARY_DIR}/man/${name}.gz"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/man"
      COMMAND "${VARNOK_GZIP}" -9nc "${page}" > "${PROJECT_BINARY_DIR}/man/${name}.gz"
      DEPENDS "${page}")
    list(APPEND compressed_pages "${PROJECT_BINARY_DIR}/man/${name}.gz")
  endforeach()
  add_custom_target(varnok_man_pages ALL DEPENDS ${compressed_pages})
  install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# cmake --build <dir> --target package: a .deb whose Depends come from the libraries the
# programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "varnok3")
set(CPACK_PACKAGE_VENDOR "The Varnok 3 developers")
set(CPACK_PACKAGE_CONTACT "The Varnok 3 developers <varnok3@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "reliability growth analysis of software, hardware and systems")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Varnok 3 estimates the reliability of software, hardware and whole systems from their\n failure history with published reliability growth models, confidence limits, goodness\n of fit, model ranking, predictions, plots and printed reports. It comes as a desktop\n application (varnok3) and a batch command line (varnok3-batch).")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
