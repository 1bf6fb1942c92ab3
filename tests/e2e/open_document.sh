#!/usr/bin/env bash
# The document named on the command line opens at start: the title names it, marks a protected
# one, follows the flavour; a missing file leaves the window empty.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

docs=$E2E_SCRATCH/docs
mkdir -p "$docs"
e2e_copy_sample "$docs/gcc-linux.xdp"
sed 's/read_only="no"/read_only="yes"/' "$docs/gcc-linux.xdp" >"$docs/protected.xdp"
grep -q 'read_only="yes"' "$docs/protected.xdp" || e2e_fail "could not make a protected copy"
halvern=$(e2e_copy_tree)
printf 'product.flavour = Halvern\n' >"$halvern/lib/product.properties"

# Each row: a name, the installation tree, the argument, the expected title.
check_open()
{
    local name=$1 tree=$2 argument=$3 expected=$4
    e2e_start CORVINDIR="$tree" -- "$argument"
    e2e_wait_title "$expected"
    e2e_screenshot "$name"
    e2e_stop_app
}

check_open sample "$ZYN_TREE" "$docs/gcc-linux.xdp" \
    "gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
check_open protected "$ZYN_TREE" "$docs/protected.xdp" \
    "protected.xdp (Read only) - Tamsk Velmora Corvin Moravel Editor"
check_open halvern "$halvern" "$docs/gcc-linux.xdp" \
    "gcc-linux.xdp - Tamsk Velmora Halvern Moravel Editor"
# The document is read while the window is built: once it shows, a load would have happened.
check_open missing_file "$ZYN_TREE" "$docs/none.xdp" "Tamsk Velmora Corvin Moravel Editor"

# Opening changes nothing on disk.
cmp -s "$docs/gcc-linux.xdp" "$E2E_SAMPLE" || e2e_fail "opening changed the document"

e2e_start -- "$docs/gcc-linux.xdp"
e2e_wait_title "gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
