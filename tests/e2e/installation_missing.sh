#!/usr/bin/env bash
# Without an installation the program stops before any window: fatal text, exit status 1.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

# Each row: a name, the CORVINDIR value ("-" for unset), the expected standard error.
check_fatal()
{
    local name=$1 value=$2 expected=$3
    local err=$E2E_SCRATCH/$name.err status=0
    if [ "$value" = "-" ]; then
        env -u CORVINDIR timeout "$E2E_TIMEOUT" "$ZYN_BIN" 2>"$err" >/dev/null || status=$?
    else
        CORVINDIR=$value timeout "$E2E_TIMEOUT" "$ZYN_BIN" 2>"$err" >/dev/null || status=$?
    fi
    [ "$status" -eq 1 ] || e2e_fail "$name: exit status $status, expected 1"
    # Qt may add its own warnings before; the fatal text must be there, whole.
    grep -qxF -- "$expected" "$err" || e2e_fail "$name: standard error was '$(cat "$err")'"
}

no_locale=$E2E_SCRATCH/no-locale
mkdir -p "$no_locale/lib"

check_fatal unset - "(zyneditor) Fatal Error: please setup CORVINDIR environment variable."
check_fatal empty "" "(zyneditor) Fatal Error: please setup CORVINDIR environment variable."
check_fatal no_locale_directory "$no_locale" \
    "(zyneditor) Fatal Error: directory doesn't exist '$no_locale/lib/locale'"

if xdotool search --name 'Moravel' >/dev/null 2>&1; then
    e2e_fail "a window was shown"
fi
# Nothing is written before the checks.
if [ -n "$(find "$HOME" -type f -print -quit)" ]; then
    e2e_fail "files were written: $(find "$HOME" -type f)"
fi
e2e_screenshot
