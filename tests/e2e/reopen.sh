#!/usr/bin/env bash
# Started without an argument, the editor reopens the document saved last, in the window size
# of that save; a size changed without saving is not kept; a deleted document is not missed.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/docs/gcc-linux.xdp
mkdir -p "$(dirname "$doc")"
e2e_copy_sample "$doc"
title="gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
generate_in=$XDG_DATA_HOME/Velmora\ Software/zyneditor/targets

# Leaves through File > Exit, by its mnemonics, and checks the normal end.
exit_by_menu()
{
    e2e_focus
    e2e_key alt+f x
    e2e_wait_exit
    [ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit status $E2E_EXIT after File > Exit"
}

# First run: open, resize, Save & Generate, exit.
e2e_start -- "$doc"
e2e_wait_title "$title"
e2e_resize 820 610
e2e_focus
e2e_key ctrl+s
e2e_wait "the generated .ini" test -s "$generate_in/gcc-linux/gcc-linux.ini"
exit_by_menu

# Second run, no argument: the same document in the saved size. Then resize without saving.
e2e_start
e2e_wait_title "$title"
[ "$(e2e_window_size)" = 820x610 ] || e2e_fail "window size $(e2e_window_size), expected 820x610"
e2e_screenshot reopened
e2e_resize 700 500
exit_by_menu

# Third run: the size of the last save, not of the last run.
e2e_start
e2e_wait_title "$title"
[ "$(e2e_window_size)" = 820x610 ] || e2e_fail "window size $(e2e_window_size) after an exit without saving"
exit_by_menu

# Fourth run: the recent file is gone; the window starts empty and asks nothing.
rm "$doc"
e2e_start
e2e_wait_title "Tamsk Velmora Corvin Moravel Editor"
windows=$(_e2e_windows 'Moravel' | wc -l)
[ "$windows" -eq 1 ] || e2e_fail "$windows windows are shown, expected the main window only"
