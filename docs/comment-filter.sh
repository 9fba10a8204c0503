#!/bin/sh
# Doxygen's input filter for the headers, which comment in plain // lines: each such line
# becomes a /// line, and the "// --- Section ---" rulers stay plain comments rather than
# being taken for the next declaration's description. The first line, which says what the
# header holds, opens a \file block naming the header, so that the free functions get a page;
# the name goes on that same line to keep Doxygen's line numbers those of the header.
name=$(basename "$1")
exec sed -e "1s|^// |/// \\\\file $name |" -e '/^[[:space:]]*\/\/ ---/b' \
    -e 's|^\([[:space:]]*\)// |\1/// |' "$1"
