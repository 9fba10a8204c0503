#!/bin/sh
# Doxygen's input filter for the headers, which comment in plain // lines: each such line
# becomes a /// line, and the "// --- Section ---" rulers stay plain comments rather than
# being taken for the next declaration's description.
exec sed -e '/^[[:space:]]*\/\/ ---/b' -e 's|^\([[:space:]]*\)// |\1/// |' "$1"
