# Shared helpers of the end-to-end tests; sourced by each test, never run on its own.
#
# A test is called as: test.sh ZYNEDITOR_BINARY STAGED_INSTALLATION_TREE
# and starts with:     . "$(dirname "$0")/lib.sh"; e2e_init "$@"
#
# It runs the real program on its own Xvfb display, with HOME and the XDG directories in a
# scratch directory (the user's own settings and data are never touched), and leaves a
# screenshot of the final screen and the program's output in $PWD/e2e-artifacts/.
# Exit status: 0 pass, 1 fail, 77 skip (a tool or a feature is missing).

set -euo pipefail

E2E_TEST=$(basename "${BASH_SOURCE[1]:-$0}" .sh)
E2E_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_SAMPLE=$E2E_SOURCE/samples/gcc-linux.xdp
E2E_TIMEOUT=${E2E_TIMEOUT:-20}
E2E_APP_PID=
E2E_XVFB_PID=
E2E_WID=
E2E_SHOT_TAKEN=
E2E_SCRATCH=

e2e_log() { printf '%s: %s\n' "$E2E_TEST" "$*" >&2; }

e2e_fail()
{
    e2e_log "FAIL: $*"
    if [ -n "$E2E_SCRATCH" ] && [ -s "$E2E_SCRATCH/app.log" ]; then
        e2e_log "program output:"
        sed 's/^/    /' "$E2E_SCRATCH/app.log" >&2
    fi
    exit 1
}

e2e_skip()
{
    e2e_log "SKIP: $*"
    exit 77
}

# Checks the arguments and the tools, makes the scratch home and the artifact directory, and
# arranges the clean-up. Leaves ZYN_BIN, ZYN_TREE, E2E_SCRATCH and E2E_ARTIFACTS set.
e2e_init()
{
    [ $# -eq 2 ] || { echo "usage: $0 ZYNEDITOR_BINARY INSTALLATION_TREE" >&2; exit 2; }
    ZYN_BIN=$(readlink -f "$1")
    ZYN_TREE=$(readlink -f "$2")
    [ -x "$ZYN_BIN" ] || { echo "$E2E_TEST: no program at $1" >&2; exit 1; }
    [ -d "$ZYN_TREE" ] || { echo "$E2E_TEST: no installation tree at $2" >&2; exit 1; }
    local tool
    for tool in Xvfb xdotool import timeout; do
        command -v "$tool" >/dev/null 2>&1 || e2e_skip "$tool is not installed"
    done

    E2E_ARTIFACTS=$PWD/e2e-artifacts
    mkdir -p "$E2E_ARTIFACTS"
    rm -f "$E2E_ARTIFACTS/$E2E_TEST".* "$E2E_ARTIFACTS/$E2E_TEST"-*
    E2E_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zyn-e2e-$E2E_TEST.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM

    export HOME=$E2E_SCRATCH/home
    export XDG_CONFIG_HOME=$HOME/.config
    export XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$E2E_SCRATCH/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export CORVINDIR=$ZYN_TREE
    export QT_QPA_PLATFORM=xcb
    # Keep the interface in English whatever the caller's locale is.
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset LANGUAGE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS SESSION_MANAGER
    unset DBUS_SESSION_BUS_ADDRESS
}

e2e_cleanup()
{
    local status=$?
    set +e
    if [ -n "$E2E_XVFB_PID" ] && [ -z "$E2E_SHOT_TAKEN" ]; then
        e2e_screenshot
    fi
    e2e_stop_app
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ -n "$E2E_SCRATCH" ]; then
        [ -f "$E2E_SCRATCH/app.log" ] && cp "$E2E_SCRATCH/app.log" "$E2E_ARTIFACTS/$E2E_TEST.log"
        rm -rf "$E2E_SCRATCH"
    fi
    exit "$status"
}

# Starts an Xvfb of 1024x768 on a free display and exports DISPLAY.
e2e_start_display()
{
    local fdfile=$E2E_SCRATCH/display
    : >"$fdfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$fdfile" >"$E2E_SCRATCH/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until [ -s "$fdfile" ] && grep -q '^[0-9]' "$fdfile"; do
        if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
            E2E_XVFB_PID=
            e2e_fail "Xvfb did not start: $(cat "$E2E_SCRATCH/xvfb.log")"
        fi
        [ $SECONDS -lt $deadline ] || e2e_fail "Xvfb gave no display number"
        sleep 0.05
    done
    export DISPLAY=:$(head -n1 "$fdfile")
    until xdotool getmouselocation >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || e2e_fail "display $DISPLAY does not answer"
        sleep 0.05
    done
}

# Starts the program in the background with the given arguments; its output goes to app.log.
# Environment assignments may come first: e2e_start CORVINDIR=/x -- file.xdp
e2e_start()
{
    local -a env_args=()
    while [ $# -gt 0 ] && [ "$1" != "--" ] && [[ "$1" == *=* ]]; do
        env_args+=("$1")
        shift
    done
    [ "${1:-}" = "--" ] && shift
    E2E_WID=
    env "${env_args[@]}" "$ZYN_BIN" "$@" >>"$E2E_SCRATCH/app.log" 2>&1 &
    E2E_APP_PID=$!
}

e2e_app_running() { [ -n "$E2E_APP_PID" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; }

# Ends the program if it still runs (with the children it started, such as a generator).
e2e_stop_app()
{
    [ -n "$E2E_APP_PID" ] || return 0
    local children
    children=$(pgrep -P "$E2E_APP_PID" 2>/dev/null || true)
    kill "$E2E_APP_PID" 2>/dev/null || true
    [ -n "$children" ] && kill $children 2>/dev/null
    wait "$E2E_APP_PID" 2>/dev/null || true
    E2E_APP_PID=
    E2E_WID=
}

# Waits until the program has ended by itself; answers its exit status in E2E_EXIT.
e2e_wait_exit()
{
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while e2e_app_running; do
        [ $SECONDS -lt $deadline ] || e2e_fail "the program did not end"
        sleep 0.05
    done
    E2E_EXIT=0
    wait "$E2E_APP_PID" || E2E_EXIT=$?
    E2E_APP_PID=
    E2E_WID=
}

# Polls a command until it succeeds: e2e_wait "what we wait for" command args...
# Fails the test when the time runs out or the program has ended meanwhile.
e2e_wait()
{
    local what=$1
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until "$@"; do
        if [ -n "$E2E_APP_PID" ] && ! e2e_app_running; then
            e2e_fail "the program ended while waiting for $what"
        fi
        [ $SECONDS -lt $deadline ] || e2e_fail "timed out waiting for $what"
        sleep 0.1
    done
}

# Visible windows of the program whose title matches the regular expression, one per line.
_e2e_windows()
{
    xdotool search --onlyvisible --pid "$E2E_APP_PID" --name "$1" 2>/dev/null || true
}

_e2e_find_window()
{
    local wid
    for wid in $(_e2e_windows "$1"); do
        # A window may vanish between the search and this look (the splash, a re-created one).
        [ -n "$(xdotool getwindowname "$wid" 2>/dev/null)" ] || continue
        E2E_WID=$wid
        return 0
    done
    return 1
}

# Waits for a visible window of the program whose title matches the regular expression;
# leaves its id in E2E_WID.
e2e_wait_window()
{
    e2e_wait "a window titled like '$1'" _e2e_find_window "$1"
}

e2e_title() { xdotool getwindowname "$E2E_WID" 2>/dev/null; }

# Waits until a visible window of the program bears exactly the title; leaves its id in E2E_WID.
e2e_wait_title()
{
    local deadline=$((SECONDS + E2E_TIMEOUT)) wid title seen
    while :; do
        seen=
        for wid in $(_e2e_windows 'Moravel'); do
            title=$(xdotool getwindowname "$wid" 2>/dev/null || true)
            if [ "$title" = "$1" ]; then
                E2E_WID=$wid
                return 0
            fi
            seen="$seen '$title'"
        done
        e2e_app_running || e2e_fail "the program ended while waiting for the title '$1'"
        [ $SECONDS -lt $deadline ] || e2e_fail "no window titled '$1'; titles seen:${seen:- none}"
        sleep 0.1
    done
}

# Gives the main window the keyboard focus (there is no window manager to do it).
e2e_focus()
{
    timeout 5 xdotool windowfocus --sync "$E2E_WID" 2>/dev/null || xdotool windowfocus "$E2E_WID"
}

# Sends key strokes (xdotool names: ctrl+s, Down, alt+f) to the focused window.
e2e_key()
{
    xdotool key --clearmodifiers --delay 60 "$@"
}

# Types text into the focused widget.
e2e_type()
{
    xdotool type --clearmodifiers --delay 30 -- "$1"
}

# Window size as "WIDTHxHEIGHT".
e2e_window_size()
{
    xdotool getwindowgeometry "$E2E_WID" | sed -n 's/^ *Geometry: *//p'
}

# Saves the screen as e2e-artifacts/<test>[-suffix].png.
e2e_screenshot()
{
    local name=$E2E_TEST${1:+-$1}
    if import -display "$DISPLAY" -window root "$E2E_ARTIFACTS/$name.png" 2>"$E2E_SCRATCH/import.log"; then
        e2e_log "screenshot: $E2E_ARTIFACTS/$name.png"
    else
        e2e_log "no screenshot: $(cat "$E2E_SCRATCH/import.log")"
    fi
    [ -n "${1:-}" ] || E2E_SHOT_TAKEN=1
}

# Checks that the program output holds the text.
e2e_log_has() { grep -qF -- "$1" "$E2E_SCRATCH/app.log"; }

# A copy of the installation tree that a test may change.
e2e_copy_tree()
{
    local copy=$E2E_SCRATCH/tree
    cp -r "$ZYN_TREE" "$copy"
    echo "$copy"
}

# A copy of the sample document at the given path.
e2e_copy_sample()
{
    cp "$E2E_SAMPLE" "$1"
    chmod u+w "$1"
}

# Resizes the main window (there is no window manager to refuse) and waits until it has the size.
e2e_resize()
{
    xdotool windowsize "$E2E_WID" "$1" "$2"
    _e2e_size_is() { [ "$(e2e_window_size)" = "$1" ]; }
    e2e_wait "the window size $1x$2" _e2e_size_is "$1x$2"
}

# Clicks at a point of the main window given in percent of its width and height.
e2e_click_at()
{
    local size width height
    size=$(e2e_window_size)
    width=${size%x*}
    height=${size#*x}
    xdotool mousemove --window "$E2E_WID" $((width * $1 / 100)) $((height * $2 / 100)) click 1
}

# The value of an XPath expression over an .xdp file (its document type is not fetched).
e2e_xpath()
{
    perl -MXML::LibXML -e '
        my $doc = XML::LibXML->load_xml(location => $ARGV[0], load_ext_dtd => 0, no_network => 1);
        print $doc->findvalue($ARGV[1]);' "$1" "$2"
}
