# Installing, in two layouts. `cmake --install build --prefix PREFIX` puts everything where a
# prefix such as ~/.local or /usr/local has it, with the commands in PREFIX/bin, which is on the
# PATH. The Debian package (cpack -G DEB in the build folder) follows Debian's layout for games
# under /usr instead:
#
#                          cmake --install              Debian package
#   the launcher           PREFIX/bin/quillmore         /usr/games/quillmore
#   the data checker       PREFIX/bin/quillmore-check   /usr/games/quillmore-check
#   the map tool           PREFIX/bin/quillmore-map     /usr/games/quillmore-map
#   the game               PREFIX/lib/quillmore/        /usr/lib/games/quillmore/
#   the five data files    PREFIX/share/quillmore/      /usr/share/games/quillmore/
#   the manuals            PREFIX/share/man/man6/quillmore.6, man1/quillmore-check.1,
#                          man1/quillmore-map.1 and man5/quillmore-story.5; gzipped in the
#                          package
#   copyright, changelog                                /usr/share/doc/quillmore/
#
# The game reads its data from the working directory; the launcher moves into the data folder,
# which it finds relative to itself, so any prefix works. The tools of a games package belong
# in /usr/games too: lintian warns about /usr/bin in a package of the games section.
#
# The first layout is the install component `prefix`; the second is the component `debian`,
# which only cpack installs.

set(QUILLMORE_DATA_FILES ${CMAKE_SOURCE_DIR}/data/rooms.txt ${CMAKE_SOURCE_DIR}/data/people.txt
                         ${CMAKE_SOURCE_DIR}/data/objects.txt ${CMAKE_SOURCE_DIR}/data/map.txt
                         ${CMAKE_SOURCE_DIR}/data/story.txt)

# Makes the launcher of a layout, in OUT: bin, lib and data are the launcher's folder, the
# game's and the data's, all relative to the prefix.
function(quillmore_launcher out bin lib data)
  file(RELATIVE_PATH QUILLMORE_GAME_FROM_LAUNCHER /${bin} /${lib}/quillmore)
  file(RELATIVE_PATH QUILLMORE_DATA_FROM_LAUNCHER /${bin} /${data})
  configure_file(${CMAKE_SOURCE_DIR}/tools/quillmore.sh ${out} @ONLY)
endfunction()

# docs/quillmore.6 names the data folder of the default prefix, /usr/local, in one line; the
# installed manual names the folder it was installed to.
set(QUILLMORE_MANUAL_DATA_LINE ".ds Qd /usr/local/share/quillmore")

# Any prefix. The prefix is known only when installing, so that is when quillmore.6 is given
# the path of its data folder.
quillmore_launcher(${CMAKE_BINARY_DIR}/prefix/quillmore bin lib/quillmore share/quillmore)
install(PROGRAMS ${CMAKE_BINARY_DIR}/prefix/quillmore DESTINATION bin COMPONENT prefix)
install(TARGETS quillmore-check quillmore-map RUNTIME DESTINATION bin COMPONENT prefix)
install(TARGETS quillmore RUNTIME DESTINATION lib/quillmore COMPONENT prefix)
install(FILES ${QUILLMORE_DATA_FILES} DESTINATION share/quillmore COMPONENT prefix)
install(FILES ${CMAKE_SOURCE_DIR}/docs/quillmore-check.1 ${CMAKE_SOURCE_DIR}/docs/quillmore-map.1
        DESTINATION share/man/man1 COMPONENT prefix)
install(FILES ${CMAKE_SOURCE_DIR}/docs/quillmore-story.5 DESTINATION share/man/man5 COMPONENT prefix)
install(CODE "
  file(READ [[${CMAKE_SOURCE_DIR}/docs/quillmore.6]] page)
  string(REPLACE [[${QUILLMORE_MANUAL_DATA_LINE}]]
         \".ds Qd \${CMAKE_INSTALL_PREFIX}/share/quillmore\" page \"\${page}\")
  file(WRITE [[${CMAKE_BINARY_DIR}/prefix/quillmore.6]] \"\${page}\")
  file(INSTALL [[${CMAKE_BINARY_DIR}/prefix/quillmore.6]]
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/man/man6\")"
  COMPONENT prefix)

# The Debian package, whose prefix is always /usr. Manuals and changelog are compressed as
# Debian wants them, with gzip -9n: the best compression, and no file name or time stamp.
set(deb_dir ${CMAKE_BINARY_DIR}/debian)
quillmore_launcher(${deb_dir}/quillmore games lib/games/quillmore share/games/quillmore)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/quillmore.6)
file(READ ${CMAKE_SOURCE_DIR}/docs/quillmore.6 page)
string(REPLACE "${QUILLMORE_MANUAL_DATA_LINE}" ".ds Qd /usr/share/games/quillmore" page "${page}")
file(CONFIGURE OUTPUT ${deb_dir}/quillmore.6 CONTENT "${page}" @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/docs/quillmore-check.1 ${deb_dir}/quillmore-check.1 COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/docs/quillmore-map.1 ${deb_dir}/quillmore-map.1 COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/docs/quillmore-story.5 ${deb_dir}/quillmore-story.5 COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/changelog ${deb_dir}/changelog COPYONLY)
set(deb_gzipped)
foreach(file quillmore.6 quillmore-check.1 quillmore-map.1 quillmore-story.5 changelog)
  add_custom_command(OUTPUT ${deb_dir}/${file}.gz
    COMMAND gzip -9nkf ${file}
    DEPENDS ${deb_dir}/${file}
    WORKING_DIRECTORY ${deb_dir}
    VERBATIM)
  list(APPEND deb_gzipped ${deb_dir}/${file}.gz)
endforeach()
add_custom_target(debian-files ALL DEPENDS ${deb_gzipped})

set(deb_component COMPONENT debian EXCLUDE_FROM_ALL)
install(PROGRAMS ${deb_dir}/quillmore DESTINATION games ${deb_component})
install(TARGETS quillmore-check quillmore-map RUNTIME DESTINATION games ${deb_component})
install(TARGETS quillmore RUNTIME DESTINATION lib/games/quillmore ${deb_component})
install(FILES ${QUILLMORE_DATA_FILES} DESTINATION share/games/quillmore ${deb_component})
install(FILES ${deb_dir}/quillmore.6.gz DESTINATION share/man/man6 ${deb_component})
install(FILES ${deb_dir}/quillmore-check.1.gz ${deb_dir}/quillmore-map.1.gz
        DESTINATION share/man/man1 ${deb_component})
install(FILES ${deb_dir}/quillmore-story.5.gz DESTINATION share/man/man5 ${deb_component})
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${deb_dir}/changelog.gz
        DESTINATION share/doc/quillmore ${deb_component})

set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGE_NAME quillmore)
set(CPACK_PACKAGE_VENDOR "Quillmore")
set(CPACK_PACKAGE_CONTACT "Quillmore maintainers <maintainers@quillmore.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text adventure in the streets of Cork")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "\
A young man wakes up in a park in Cork with no memory, a photo slip and a few
British coins. Walk the city, talk to its people and run their errands until
someone tells you who you are.

The package also holds quillmore-check, which checks data files written for the
game, and quillmore-map, which prints the city map as a Graphviz graph.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
