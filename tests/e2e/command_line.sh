#!/usr/bin/env bash
# More than one argument is refused before any window shows: usage text, exit status 1.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

sample=$E2E_SCRATCH/doc.xdp
echo '<ZYN/>' >"$sample"

# Each row: a name, then the arguments after the program path.
check_refused()
{
    local name=$1
    shift
    local out=$E2E_SCRATCH/$name.out err=$E2E_SCRATCH/$name.err status=0
    timeout "$E2E_TIMEOUT" "$ZYN_BIN" "$@" >"$out" 2>"$err" || status=$?
    [ "$status" -eq 1 ] || e2e_fail "$name: exit status $status, expected 1"
    [ "$(cat "$err")" = "Usage: $ZYN_BIN [file]" ] ||
        e2e_fail "$name: standard error was '$(cat "$err")'"
    [ ! -s "$out" ] || e2e_fail "$name: wrote to standard output: $(cat "$out")"
}

check_refused two_files "$sample" "$sample"
check_refused toolkit_option_and_file -style fusion
check_refused three_words "$sample" second third

# The refusal comes before the toolkit: no window was ever mapped.
if xdotool search --name 'Moravel' >/dev/null 2>&1; then
    e2e_fail "a window was shown"
fi
e2e_screenshot
