#!/usr/bin/env bash
# A user's round: move through the tree with the keyboard, type into the pane, Save & Generate
# with Ctrl+S; the document on disk holds the edit and the target's files are generated.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/docs/gcc-linux.xdp
mkdir -p "$(dirname "$doc")"
e2e_copy_sample "$doc"
generate_in=$XDG_DATA_HOME/Velmora\ Software/zyneditor/targets

e2e_start -- "$doc"
e2e_wait_title "gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
e2e_resize 1000 740
e2e_focus

# The root is selected first. Down: "Basic Settings"; Left folds it; Down: "Build Commands".
e2e_key Down Left Down
# Its pane is a comment box filling the lower right of the window.
e2e_click_at 74 88
marker="Checked end to end $$."
e2e_key ctrl+End
e2e_type " $marker"
e2e_key ctrl+s

e2e_wait "the saved document" grep -qF "$marker" "$doc"
e2e_wait "the generated .ini" test -s "$generate_in/gcc-linux/gcc-linux.ini"
e2e_wait "the generated build module" test -s "$generate_in/gcc-linux/zynbuild.pm"

# The edit went into the node reached with the keys, and nowhere else.
[ "$(e2e_xpath "$doc" 'name(//COMMENT[contains(., "Checked end to end")]/..)')" = BUILD ] ||
    e2e_fail "the text did not land in the comment of Build Commands"
[ "$(e2e_xpath "$doc" 'count(//COMMENT[contains(., "Checked end to end")])')" = 1 ] ||
    e2e_fail "the text landed more than once"
# A save marks the document editable and records where it was generated.
[ "$(e2e_xpath "$doc" 'string(/ZYN/@read_only)')" = no ] || e2e_fail "read_only is not \"no\""
[ "$(e2e_xpath "$doc" 'string(/ZYN/@generate_in)')" = "$generate_in" ] ||
    e2e_fail "generate_in is '$(e2e_xpath "$doc" 'string(/ZYN/@generate_in)')'"
head -n1 "$doc" | grep -qxF '<!DOCTYPE ZYN SYSTEM "zyn.dtd">' ||
    e2e_fail "the saved document does not start with its document type"
head -n1 "$generate_in/gcc-linux/gcc-linux.ini" | grep -qxF 'NAME="C++ GCC Linux x86_64"' ||
    e2e_fail "the .ini starts with '$(head -n1 "$generate_in/gcc-linux/gcc-linux.ini")'"

# The target went to the user's directory, not into the installation tree.
[ ! -e "$ZYN_TREE/targets/gcc-linux" ] || e2e_fail "the target was generated into the installation tree"

e2e_screenshot default_generate_in
e2e_stop_app

# A document that names its generate-in directory is generated there.
other=$E2E_SCRATCH/other/gcc-linux.xdp
out=$E2E_SCRATCH/out
mkdir -p "$(dirname "$other")" "$out"
sed "s|<ZYN |<ZYN generate_in=\"$out\" |" "$E2E_SAMPLE" >"$other"
e2e_start -- "$other"
# A directory this user has not generated into before is used only once the user agrees.
e2e_wait_title "Tamsk Velmora Corvin Moravel Editor"
e2e_focus
e2e_screenshot generate_in_question
e2e_key alt+u
e2e_wait_title "gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
e2e_focus
e2e_key ctrl+s
e2e_wait "the .ini in the document's own directory" test -s "$out/gcc-linux/gcc-linux.ini"
[ "$(e2e_xpath "$other" 'string(/ZYN/@generate_in)')" = "$out" ] ||
    e2e_fail "generate_in became '$(e2e_xpath "$other" 'string(/ZYN/@generate_in)')'"
