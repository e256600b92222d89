# Installation with the usual GNU layout and the Debian package.
#
#   bin/velmora, bin/velmora-cli
#   share/velmora/Data/...                the series and element files
#   share/velmora/Readme*.txt, Danksagungen*.txt
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/{scalable,NxN}/apps/<id>.{svg,png}
#   share/man/man1/velmora.1.gz, velmora-cli.1.gz
#   share/doc/velmora/copyright, changelog.gz
#
# The programs find share/velmora relative to their own folder
# (src/astro/Datenordner.h), so a relocated prefix keeps working.
include(GNUInstallDirs)

set(VELMORA_ID de.tarvello.Velmora)
set(VELMORA_SHAREDIR ${CMAKE_INSTALL_DATADIR}/velmora)
set(VELMORA_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora)

option(VELMORA_DEV_BUILD "Development build: the programs also look for Data/ and the texts in the source tree (off for packages)" ON)

file(RELATIVE_PATH VELMORA_INSTALL_TEILPFAD "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/velmora")
set(datenordner_definitionen "VELMORA_INSTALL_TEILPFAD=\"${VELMORA_INSTALL_TEILPFAD}\"")
if(VELMORA_DEV_BUILD)
  list(APPEND datenordner_definitionen "VELMORA_ENTWICKLUNGSORDNER=\"${CMAKE_SOURCE_DIR}\"")
endif()
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/astro/Datenordner.cpp
                            PROPERTIES COMPILE_DEFINITIONS "${datenordner_definitionen}")

# velmora_installieren(): called after the program targets exist.
function(velmora_installieren)
  install(TARGETS velmora velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/Data/ DESTINATION ${VELMORA_SHAREDIR}/Data
          FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
          PATTERN "*.md" EXCLUDE)
  foreach(t Readme.txt ReadmeENG.txt Danksagungen.txt DanksagungenENG.txt)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/texte/${t} DESTINATION ${VELMORA_SHAREDIR})
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/paket/${VELMORA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/paket/${VELMORA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon, drawn by tools/programmsymbol: a scalable SVG and PNGs.
  set(symbolordner ${CMAKE_BINARY_DIR}/paket/symbol)
  set(groessen 16 22 24 32 48 64 128 256 512)
  set(symbole ${symbolordner}/${VELMORA_ID}.svg)
  foreach(g ${groessen})
    list(APPEND symbole ${symbolordner}/${g}/${VELMORA_ID}.png)
  endforeach()
  add_custom_command(OUTPUT ${symbole}
                     COMMAND programmsymbol ${symbolordner} ${VELMORA_ID} ${groessen}
                     DEPENDS programmsymbol
                     COMMENT "Drawing the program icon")
  add_custom_target(velmora_symbole ALL DEPENDS ${symbole})
  install(FILES ${symbolordner}/${VELMORA_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(g ${groessen})
    install(FILES ${symbolordner}/${g}/${VELMORA_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${g}x${g}/apps)
  endforeach()

  # Manual pages and the package's changelog, compressed as Debian wants them.
  set(gepackt "")
  foreach(quelle man/velmora.1 man/velmora-cli.1 changelog)
    get_filename_component(name ${quelle} NAME)
    set(ziel ${CMAKE_BINARY_DIR}/paket/${name}.gz)
    add_custom_command(OUTPUT ${ziel}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/paket
                       COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${CMAKE_SOURCE_DIR}/paket/${quelle} ${ziel}
                       DEPENDS ${CMAKE_SOURCE_DIR}/paket/${quelle}
                       VERBATIM)
    list(APPEND gepackt ${ziel})
  endforeach()
  add_custom_target(velmora_handbuch ALL DEPENDS ${gepackt})
  install(FILES ${CMAKE_BINARY_DIR}/paket/velmora.1.gz ${CMAKE_BINARY_DIR}/paket/velmora-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/paket/copyright ${CMAKE_BINARY_DIR}/paket/changelog.gz
          DESTINATION ${VELMORA_DOCDIR})
endfunction()

# The Debian package: cpack -G DEB (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvello)
set(CPACK_PACKAGE_CONTACT "Velmora maintainers <maintainers@tarvello.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planet positions and animated figures of the solar system")
# The long description below the summary line; CPack indents it and turns
# the empty line into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmora computes the positions of the Sun, the planets Mercury to Pluto,
the Moon and twelve minor planets for any date within its validity limits,
and draws from them animated geometric figures: orbits and planetary loops,
rosettes of link lines between two planets with the stars of their
conjunctions, the Sun's path around the barycentre and more. The figures
can be turned and zoomed while they grow; dates and coordinates can be
listed and saved, images saved and printed.

The package holds the desktop program velmora and the command-line program
velmora-cli, which prints positions and renders the figures to images.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the platform plugins and the fonts of the labels and
# of the zodiac glyphs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-symbola | fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR OFF)
include(CPack)
