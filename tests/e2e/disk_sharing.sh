#!/usr/bin/env bash
# The disk is shared: a change made by another program is read again, a second editor on the
# same file is warned, and typed work survives the editor being killed.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_start_display

doc=$E2E_SCRATCH/docs/gcc-linux.xdp
mkdir -p "$(dirname "$doc")"
e2e_copy_sample "$doc"
product="Tamsk Velmora Corvin Moravel Editor"
title="gcc-linux.xdp - $product"
recovery_dir=$XDG_DATA_HOME/Velmora\ Software/zyneditor/recovery

# Visible windows of a process titled exactly like the product (the questions bear that title).
question_count()
{
    local wid count=0
    for wid in $(xdotool search --all --onlyvisible --pid "$1" --name "$product" 2>/dev/null); do
        [ "$(xdotool getwindowname "$wid" 2>/dev/null)" = "$product" ] && count=$((count + 1))
    done
    echo "$count"
}

# 1. Another program rewrites the open, unchanged document: the editor reads it again, so the
#    next save keeps that change and asks nothing.
e2e_start -- "$doc"
e2e_wait_title "$title"
first_pid=$E2E_APP_PID
sed -i 's/<ZYN /<ZYN Changed_elsewhere="yes" /' "$doc"
sleep 1.5
e2e_focus
e2e_key ctrl+s
e2e_wait "the save after the reload" grep -q 'generate_in=' "$doc"
[ "$(e2e_xpath "$doc" 'string(/ZYN/@Changed_elsewhere)')" = yes ] ||
    e2e_fail "the save overwrote the change made on disk"
[ "$(question_count "$first_pid")" = 0 ] || e2e_fail "a question was asked for an unchanged document"

# 2. A second editor on the same file is told that it is open elsewhere; Escape keeps it out.
second_log=$E2E_SCRATCH/second.log
"$ZYN_BIN" "$doc" >"$second_log" 2>&1 &
second_pid=$!
_second_asks() { [ "$(question_count "$second_pid")" -ge 1 ]; }
e2e_wait "the second editor's question" _second_asks
e2e_screenshot second_instance
for wid in $(xdotool search --all --onlyvisible --pid "$second_pid" --name "$product"); do
    [ "$(xdotool getwindowname "$wid")" = "$product" ] || continue
    timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || true
    break
done
e2e_key Escape
_second_empty() { [ -z "$(xdotool search --all --onlyvisible --pid "$second_pid" --name "^$title\$")" ]; }
sleep 1
_second_empty || e2e_fail "the second editor opened the document after Cancel"
kill "$second_pid" 2>/dev/null
wait "$second_pid" 2>/dev/null || true

# 3. Typed work, then the editor is killed: the next start offers it back.
e2e_resize 1000 740
e2e_focus
e2e_key Down Left Down
e2e_click_at 74 88
marker="Recovered end to end $$."
e2e_key ctrl+End
e2e_type " $marker"
_recovered() { grep -rqF "$marker" "$recovery_dir" 2>/dev/null; }
e2e_wait "the recovery copy" _recovered
grep -qF "$marker" "$doc" && e2e_fail "the recovery copy was written into the document"
kill -9 "$first_pid"
wait "$first_pid" 2>/dev/null || true
E2E_APP_PID=

e2e_start -- "$doc"
_offers() { [ "$(question_count "$E2E_APP_PID")" -ge 1 ]; }
e2e_wait "the recovery question" _offers
e2e_screenshot recovery_offered
for wid in $(xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name "$product"); do
    [ "$(xdotool getwindowname "$wid")" = "$product" ] || continue
    timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || true
    break
done
e2e_key Return
e2e_wait_title "$title"
grep -qF "$marker" "$doc" && e2e_fail "restoring wrote the document before a save"
e2e_focus
e2e_key ctrl+s
e2e_wait "the restored work saved" grep -qF "$marker" "$doc"
_gone() { ! _recovered; }
e2e_wait "the recovery copy removed by the save" _gone
e2e_screenshot
