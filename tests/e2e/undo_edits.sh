#!/usr/bin/env bash
# Undo across panes and the tree: type into two panes, delete a carried file, save; then undo
# the three changes with Ctrl+Z and save again: the file is byte for byte what it was before.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/docs/gcc-linux.xdp
mkdir -p "$(dirname "$doc")"
e2e_copy_sample "$doc"
generate_in=$XDG_DATA_HOME/Velmora\ Software/zyneditor/targets
title="gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"

e2e_start -- "$doc"
e2e_wait_title "$title"
e2e_resize 1000 740
e2e_focus

# A first save gives the file the form the editor writes; that is the original.
e2e_key ctrl+s
_e2e_saved_once() { grep -q 'generate_in=' "$doc"; }
e2e_wait "the first save" _e2e_saved_once
e2e_wait "the first generation" test -s "$generate_in/gcc-linux/gcc-linux.ini"
cp "$doc" "$E2E_SCRATCH/original.xdp"

# The tree has the focus with the root selected. Down: "Basic Settings", folded with Left; the
# rows are then: the root, Basic Settings, Build Commands, its eight steps, zyn_gdb.cmd.
e2e_key Down Left
_e2e_click_row() { xdotool mousemove --window "$E2E_WID" 60 $((69 + 14 * $1)) click 1; }
# The comment pane of Basic Settings fills the lower right.
e2e_click_at 74 88
e2e_key ctrl+End
e2e_type " First $$."
_e2e_click_row 2
e2e_click_at 74 88
e2e_key ctrl+End
e2e_type " Second $$."
_e2e_click_row 11
e2e_key Delete
e2e_screenshot edited
e2e_key ctrl+s

_e2e_edited_saved()
{
    grep -qF "First $$." "$doc" && grep -qF "Second $$." "$doc" && ! grep -qF '<NEWCMDFILE Name="zyn_gdb.cmd"' "$doc"
}
e2e_wait "the edited document saved" _e2e_edited_saved

# Three undos, wherever the focus is, then a save.
e2e_key ctrl+z ctrl+z ctrl+z
e2e_screenshot undone
e2e_key ctrl+s
e2e_wait "the file back as it was" cmp -s "$E2E_SCRATCH/original.xdp" "$doc"

# The document is saved: closing asks nothing.
e2e_screenshot

