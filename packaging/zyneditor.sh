#!/bin/bash
# Starts the Moravel Editor. CORVINDIR names the installation tree; when it is unset (or empty),
# the tree installed beside this launcher is used.
self=$(readlink -f -- "${BASH_SOURCE[0]}")
prefix=$(dirname -- "$(dirname -- "$self")")
if [ -z "${CORVINDIR:-}" ]; then
    CORVINDIR=$prefix/share/moravel
    export CORVINDIR
fi
# The program names itself as the user called it (in its usage text, for one).
exec -a "$0" "$prefix/lib/moravel/zyneditor" "$@"
