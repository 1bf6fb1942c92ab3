#!/usr/bin/env bash
# Code as engineers read it: screenshots of a function pane (Perl), a code tab of a choice (C)
# and a carried C file, each fixed-pitch, numbered and coloured. The pictures are the artifacts
# to look at; the script checks that each node was reached and the program kept running.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/docs/gcc-linux.xdp
mkdir -p "$(dirname "$doc")"
e2e_copy_sample "$doc"
# A carried C file, so that a carried file has a language to show.
perl -0pi -e 's{</BUILD>}{<NEWCMDFILE Name="probe.c" Doc="NEWCMDFILE"><COMMENT>A probe &amp; its notes</COMMENT><VALUE>#include &lt;stdio.h&gt;

/* Prints what the target "sees". */
int main(void)
{
\tint count = 42; // the answer
\tprintf("%d items\\n", count);
\treturn 0;
}
</VALUE></NEWCMDFILE></BUILD>}' "$doc"
grep -q 'probe.c' "$doc" || e2e_fail "could not add the carried C file"

e2e_start -- "$doc"
e2e_wait_title "gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
e2e_resize 1000 740
e2e_focus

# The root is selected first; the keypad's * unfolds the whole tree, then typing a node's text
# selects it.
e2e_key KP_Multiply
sleep 1
show_node()
{
    local text=$1 name=$2
    e2e_type "$text"
    sleep 1.5
    e2e_app_running || e2e_fail "the program ended on the way to '$text'"
    e2e_screenshot "$name"
    [ -s "$E2E_ARTIFACTS/$E2E_TEST-$name.png" ] || e2e_fail "no screenshot of '$text'"
}
show_node "Common Perl Functions" function_pane
show_node "Thread Support" code_tab
show_node "probe.c" carried_file
