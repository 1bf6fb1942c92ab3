#!/usr/bin/env bash
# Find in document: Ctrl+F, a word that sits only in a settings value and in a code tab of a
# choice; Return lands on the first, Ctrl+G on the second with the word selected, so that typing
# replaces exactly it. Searching and stepping leave the document as it was.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/docs/gcc-linux.xdp
mkdir -p "$(dirname "$doc")"
e2e_copy_sample "$doc"
# The C compiler flags (the first DEFAULT_CFLAGS) and the body of the signal handler's tab.
perl -0pi -e 's|-Wall</VALUE></DEFAULT_CFLAGS>|-Wall -Dquokka</VALUE></DEFAULT_CFLAGS>|;
              s|    raise\(sig\);\]\]>|    raise(sig); /* quokka */]]>|' "$doc"
[ "$(grep -c quokka "$doc")" = 2 ] || e2e_fail "the word was not placed twice in the document"
cp "$doc" "$E2E_SCRATCH/before.xdp"

e2e_start -- "$doc"
e2e_wait_title "gcc-linux.xdp - Tamsk Velmora Corvin Moravel Editor"
e2e_resize 1000 740
e2e_focus

e2e_key ctrl+f
e2e_type "quokka"
sleep 1
e2e_key Return
sleep 0.5
e2e_screenshot first-match
cmp -s "$doc" "$E2E_SCRATCH/before.xdp" || e2e_fail "searching changed the file"

e2e_key ctrl+g
sleep 0.5
e2e_screenshot second-match
# The match is selected in the focused body: typing replaces it.
e2e_type "wombat"
sleep 0.3
e2e_key ctrl+shift+g
sleep 0.5
e2e_screenshot back-to-first
e2e_key ctrl+s

e2e_wait "the saved document" grep -qF "wombat" "$doc"
body=$(e2e_xpath "$doc" 'string(//VALUEFCTC[@Doc="SIGNAL_HANDLER"]/VALUE)')
case $body in
*"raise(sig); /* wombat */") ;;
*) e2e_fail "the signal handler's body reads: $body" ;;
esac
[ "$(e2e_xpath "$doc" 'string((//IS_C//DEFAULT_CFLAGS/VALUE)[1])')" = "-g -O0 -m64 -std=gnu99 -Wall -Dquokka" ] ||
    e2e_fail "the settings value changed: $(e2e_xpath "$doc" 'string((//IS_C//DEFAULT_CFLAGS/VALUE)[1])')"
[ "$(grep -c wombat "$doc")" = 1 ] || e2e_fail "the typed word landed more than once"
e2e_screenshot
