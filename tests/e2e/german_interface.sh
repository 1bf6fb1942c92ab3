#!/usr/bin/env bash
# Under a German locale the menus are German: File > Exit is reached as "&Datei" > "&Beenden";
# under a locale without a catalogue the English mnemonics work. The caption stays untranslated.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/gcc-linux.xdp
e2e_copy_sample "$doc"
title="gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"

# Each row: a name, the locale, the keys that open the File menu and choose Exit.
check_exit_keys()
{
    local name=$1 locale=$2 menu=$3 entry=$4
    e2e_start LANG="$locale" LC_ALL="$locale" -- "$doc"
    e2e_wait_title "$title"
    e2e_focus
    e2e_key "$menu"
    # The open menu is a window of its own; the screenshot shows its entries.
    e2e_wait "the File menu" _e2e_menu_shown
    e2e_screenshot "$name"
    e2e_key "$entry"
    e2e_wait_exit
    [ "$E2E_EXIT" -eq 0 ] || e2e_fail "$name: exit status $E2E_EXIT"
}

_e2e_menu_shown()
{
    [ "$(xdotool search --onlyvisible --pid "$E2E_APP_PID" --class '' 2>/dev/null | wc -l)" -gt 1 ]
}

check_exit_keys german de_DE.UTF-8 alt+d b
check_exit_keys no_catalogue xx_XX.UTF-8 alt+f x

e2e_start LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 -- "$doc"
e2e_wait_title "$title"
e2e_focus
e2e_key alt+d
e2e_wait "the File menu" _e2e_menu_shown
