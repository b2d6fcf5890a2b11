#!/usr/bin/env bash
# Starts the Windows marlix.exe under Wine in an empty folder, waits for its window, checks the
# first-run cfg.ini, clicks each tab, presses Set with a card in the removable drive E:, checks
# the camera.conf written there (the default plus the clock line) and ends marlix with Escape.
#
# usage: wine_smoke.sh MARLIX_EXE CARD_DIR FIRST_RUN_CFG_INI DEFAULT_CAMERA_CONF
#
# Runs inside the Wine set-up of scripts/wine-tests: WINEPREFIX with CARD_DIR mapped as E:, a
# removable drive and the only one, a running wineserver, and DISPLAY an X server.
set -euo pipefail
marlix=$(realpath "$1")
card=$(realpath "$2")
golden_cfg=$(realpath "$3")
golden_conf=$(realpath "$4")

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
work=$(mktemp -d "${TMPDIR:-/tmp}/marlix-wine-smoke.XXXXXX")
app_pid=""
cleanup() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
problem() {
    echo "wine smoke: $*" >&2
    if [ -s "$work/out.log" ]; then sed 's/^/    marlix: /' "$work/out.log" | tail -20 >&2; fi
    exit 1
}

cd "$work"
rm -f "$card/camera.conf"
"$wine" "$marlix" >"$work/out.log" 2>&1 &
app_pid=$!

# Wine names the X window after the Windows window's title.
window=""
for _ in $(seq 1 600); do
    window=$(xdotool search --onlyvisible --name '^MARLIX$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || problem "marlix.exe ended before showing its window"
    sleep 0.1
done
[ -n "$window" ] || problem "no window named MARLIX within 60 s"
sleep 1

# A first run on Windows writes cfg.ini with CR LF line ends.
if ! sed 's/$/\r/' "$golden_cfg" | cmp -s - cfg.ini; then
    diff <(sed 's/$/\r/' "$golden_cfg" | cat -A) <(cat -A cfg.ini) >&2 || true
    problem "the first-run cfg.ini differs from $golden_cfg with CR LF line ends"
fi
before=$(md5sum <cfg.ini)

# Positions in the window's 661 x 450 dialog units, scaled to the client area (Wine's X window
# with no window manager): the five tab headers along the top of the tab control at (8, 97), and
# Set at (596, 66, 50 x 14).
eval "$(xdotool getwindowgeometry --shell "$window")"
click() {
    xdotool mousemove --window "$window" $(($1 * WIDTH / 661)) $(($2 * HEIGHT / 450)) click 1
    sleep 0.5
}
shot() { xwd -silent -id "$window" | md5sum | cut -d' ' -f1; }
declare -A seen=()
for unit in 40 120 200 285 370; do
    click "$unit" 102
    seen[$(shot)]=1
done
[ "${#seen[@]}" -eq 5 ] || problem "expected 5 different pages, saw ${#seen[@]}"

# Set: the default profile, clock on, onto the card in E: (listed and chosen as the only one).
click 621 73
for _ in $(seq 1 50); do
    [ -s "$card/camera.conf" ] && break
    sleep 0.1
done
[ -f "$card/camera.conf" ] || problem "Set wrote no camera.conf onto E:"
size=$(stat -c %s "$card/camera.conf")
golden_size=$(stat -c %s "$golden_conf")
[ "$size" -eq $((golden_size + 32)) ] ||
    problem "camera.conf on E: has $size bytes, not the default's $golden_size + 32"
cmp -s <(head -c "$golden_size" "$card/camera.conf") "$golden_conf" ||
    problem "camera.conf on E: does not start with the default $golden_conf"
clock=$(tail -c 32 "$card/camera.conf")
[[ $clock =~ ^sync_clock=[0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$'\r'$ ]] ||
    problem "the clock line on E: is '$clock'"

# The README's picture of the window under Wine: MARLIX_WINE_SCREENSHOT=file.png (needs convert).
if [ -n "${MARLIX_WINE_SCREENSHOT:-}" ]; then
    click 120 102  # the Video page
    xwd -silent -id "$window" | convert xwd:- "png:$MARLIX_WINE_SCREENSHOT"
fi

xdotool key --window "$window" Escape
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && problem "Escape did not end marlix.exe"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || problem "marlix.exe exited with status $status"
[ "$(md5sum <cfg.ini)" = "$before" ] || problem "cfg.ini changed while marlix.exe ran"
echo "wine smoke: window shown, 5 tabs switched, Set wrote camera.conf onto E:, Escape ended it"
