#!/bin/sh
# Plays Quillmore from any folder. The game reads its three data files from the working
# directory, so this moves into the installed data folder first, then hands its arguments to the
# game unchanged; the game's exit status is the launcher's. Installed as PREFIX/bin/quillmore, or
# as /usr/games/quillmore by the Debian package, with the paths from the launcher's folder to the
# data and to the game filled in for that layout by cmake/install.cmake.
here=$(dirname "$(readlink -f "$0")") || exit 255
cd "$here/@QUILLMORE_DATA_FROM_LAUNCHER@" || exit 255
exec "$here/@QUILLMORE_GAME_FROM_LAUNCHER@" "$@"
