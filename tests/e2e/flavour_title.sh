#!/usr/bin/env bash
# The window title and icon follow the installation's flavour: Corvin by default,
# Halvern when lib/product.properties asks for it.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

halvern=$(e2e_copy_tree)
printf 'product.flavour = Halvern\n' >"$halvern/lib/product.properties"

# Each row: a name, the installation tree, the expected title.
check_title()
{
    local name=$1 tree=$2 expected=$3
    e2e_start CORVINDIR="$tree"
    e2e_wait_window 'Moravel Editor'
    e2e_wait_title "$expected"
    e2e_screenshot "$name"
    icons[$name]=$(xprop -id "$E2E_WID" _NET_WM_ICON 2>/dev/null | md5sum)
    e2e_stop_app
}

declare -A icons
check_title corvin "$ZYN_TREE" "Tamsk Velmora Corvin Moravel Editor"
check_title halvern "$halvern" "Tamsk Velmora Halvern Moravel Editor"
# Each flavour has its own window icon.
if command -v xprop >/dev/null 2>&1; then
    [ "${icons[corvin]}" != "${icons[halvern]}" ] || e2e_fail "both flavours show the same window icon"
fi

# Leave the default flavour on the final screen.
e2e_start
e2e_wait_window 'Moravel Editor'
e2e_wait_title "Tamsk Velmora Corvin Moravel Editor"
