#!/bin/sh
# Plays Quillmore from any folder. The game reads its three data files from the working
# directory, so this moves into the installed data folder first, then hands its arguments to the
# game unchanged; the game's exit status is the launcher's. Installed as PREFIX/bin/quillmore.
here=$(dirname "$(readlink -f "$0")") || exit 255
cd "$here/../share/quillmore" || exit 255
exec "$here/../lib/quillmore/quillmore" "$@"
