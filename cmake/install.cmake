# Installing, and a Debian package of the same (cpack -G DEB in the build folder):
#
#   PREFIX/bin/quillmore               the launcher: plays in the data folder, from any folder
#   PREFIX/bin/quillmore-check         the data checker
#   PREFIX/bin/quillmore-map           the city map as a Graphviz graph
#   PREFIX/lib/quillmore/quillmore     the game, which reads its data from the working directory
#   PREFIX/share/quillmore/            rooms.txt, people.txt and objects.txt
#   PREFIX/share/man/man6/quillmore.6  the manual
#
# The launcher finds the game and the data relative to itself, so any prefix works.

install(TARGETS quillmore RUNTIME DESTINATION lib/quillmore)
install(TARGETS quillmore-check quillmore-map RUNTIME DESTINATION bin)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/tools/quillmore.sh DESTINATION bin RENAME quillmore)
install(FILES ${CMAKE_SOURCE_DIR}/data/rooms.txt ${CMAKE_SOURCE_DIR}/data/people.txt
              ${CMAKE_SOURCE_DIR}/data/objects.txt
        DESTINATION share/quillmore)
install(FILES ${CMAKE_SOURCE_DIR}/docs/quillmore.6 DESTINATION share/man/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmore)
set(CPACK_PACKAGE_VENDOR "Quillmore")
set(CPACK_PACKAGE_CONTACT "Quillmore maintainers <maintainers@quillmore.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text adventure in the streets of Cork")
set(CPACK_PACKAGE_DESCRIPTION "A young man wakes up in a park in Cork with no memory, a photo \
slip and a few British coins. Walk the city, talk to its people and run their errands until \
someone tells you who you are.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
