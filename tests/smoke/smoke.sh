#!/usr/bin/env bash
# Starts the real marlix in a real X server with a window manager (openbox) in an empty directory,
# waits for its window, checks that the window manager takes it for an application window (listed,
# not transient for anything, not kept out of the task bar), switches through every tab the way a
# user would, ends it with Escape and checks what it left in cfg.ini.
# usage: smoke.sh MARLIX_BINARY GOLDEN_CFG_INI
set -euo pipefail
here=$(dirname "$(realpath "$0")")
marlix=$(realpath "$1")
golden=$(realpath "$2")

for tool in Xvfb xdotool xwd openbox wmctrl xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "smoke: $tool is not installed" >&2
        exit 1
    fi
done

work=$(mktemp -d)
display=""
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody else uses.
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 1 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
# openbox keeps its settings in its own folder here, not in the user's.
XDG_CONFIG_HOME=$work/wm-config XDG_CACHE_HOME=$work/wm-cache openbox --sm-disable \
    >"$work/wm.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
if ! wmctrl -m >/dev/null 2>&1; then
    echo "smoke: openbox did not start" >&2
    cat "$work/wm.log" >&2
    exit 1
fi

cd "$work"
unset QT_QPA_PLATFORM
# In a sanitizer build, leaks inside the system's D-Bus library are not ours to report.
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$marlix" >"$work/out.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name '^MARLIX$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    if ! kill -0 "$app_pid" 2>/dev/null; then
        echo "smoke: marlix ended before showing its window" >&2
        cat "$work/out.log" >&2
        exit 1
    fi
    sleep 0.05
done
if [ -z "$window" ]; then
    echo "smoke: no window named MARLIX within 10 s" >&2
    exit 1
fi
sleep 0.3
# What task bars and window switchers go by.
if ! wmctrl -l | grep -q ' MARLIX$'; then
    echo "smoke: the window manager does not list the MARLIX window" >&2
    wmctrl -l >&2
    exit 1
fi
props=$(xprop -id "$window" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE _NET_WM_STATE)
if ! grep -q 'WM_TRANSIENT_FOR:  not found' <<<"$props" ||
    ! grep -q '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL$' <<<"$props" ||
    grep -q '_NET_WM_STATE_SKIP_TASKBAR\|_NET_WM_STATE_MODAL' <<<"$props"; then
    echo "smoke: the MARLIX window is not a normal application window:" >&2
    echo "$props" >&2
    exit 1
fi
if ! cmp -s cfg.ini "$golden"; then
    echo "smoke: the first-run cfg.ini differs from the expected file" >&2
    diff "$golden" cfg.ini >&2 || true
    exit 1
fi
before=$(md5sum cfg.ini)

# Click each tab as a user would. The window is 661 x 450 dialog units; the tab headers sit along
# the top of the tab control (8, 97) and are about 80 units wide each at the program's fonts, so
# these points fall well inside the five headers. Every tab must show a picture of its own.
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { xwd -silent -id "$window" | md5sum | cut -d' ' -f1; }
tab_y=$(( 97 * HEIGHT / 450 + 10 ))
declare -A seen=()
for unit in 40 120 200 285 370; do
    xdotool mousemove --window "$window" $(( unit * WIDTH / 661 )) "$tab_y" click 1
    sleep 0.3
    seen[$(shot)]=1
done
if [ "${#seen[@]}" -ne 5 ]; then
    echo "smoke: expected 5 different pages, saw ${#seen[@]}" >&2
    exit 1
fi

xdotool key Escape
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "smoke: Escape did not end marlix" >&2
    exit 1
fi
status=0
wait "$app_pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "smoke: marlix exited with status $status" >&2
    cat "$work/out.log" >&2
    exit 1
fi
app_pid=""
if [ "$(md5sum cfg.ini)" != "$before" ]; then
    echo "smoke: cfg.ini changed while marlix ran" >&2
    exit 1
fi
echo "smoke: application window shown, 5 tabs switched, Escape ended marlix, cfg.ini as expected"
