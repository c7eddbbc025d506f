#!/usr/bin/env bash
# Runs one command on a private X desktop and tears the desktop down afterwards:
#   scripts/with-desktop.sh [--tray] command [arguments...]
# Xvfb (1280 x 800 x 24) on a free display, openbox as the window manager (without its minimise
# animation) and, with --tray, trayer as an XEmbed notification area. The command's exit status
# is returned.
set -uo pipefail

tray=0
if [ "${1:-}" = "--tray" ]; then
    tray=1
    shift
fi
if [ $# -lt 1 ]; then
    echo "usage: $0 [--tray] command [arguments...]" >&2
    exit 2
fi

pids=()
workdir=$(mktemp -d)
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
        wait "${pids[i]}" 2>/dev/null
    done
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

wait_for() {
    local what=$1
    shift
    for _ in $(seq 1 200); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.05
    done
    echo "with-desktop: $what did not come up" >&2
    cat "$workdir"/*.log >&2 2>/dev/null
    exit 1
}

# -displayfd lets the server pick a free display number and tell us which.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
pids+=($!)
wait_for Xvfb test -s "$workdir/display"
export DISPLAY=":$(head -n1 "$workdir/display")"
wait_for Xvfb xdpyinfo

# openbox as installed, but without its minimise animation: a press that comes while it runs is
# swallowed, which would make a test's clicks depend on timing.
openbox_config=()
if [ -f /etc/xdg/openbox/rc.xml ]; then
    sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
        /etc/xdg/openbox/rc.xml >"$workdir/openbox-rc.xml"
    openbox_config=(--config-file "$workdir/openbox-rc.xml")
fi

# Under load openbox has been seen to miss a display that had just answered; give it a few tries.
for attempt in 1 2 3; do
    openbox --sm-disable "${openbox_config[@]}" >"$workdir/openbox.log" 2>&1 &
    openbox_pid=$!
    sleep 0.2
    kill -0 "$openbox_pid" 2>/dev/null && break
    echo "with-desktop: openbox ended at start (try $attempt)" >&2
done
pids+=("$openbox_pid")
wait_for openbox sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"

if [ $tray -eq 1 ]; then
    trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
        --height 28 --SetDockType true --SetPartialStrut true --expand false \
        --transparent false >"$workdir/trayer.log" 2>&1 &
    pids+=($!)
    wait_for trayer sh -c "xwininfo -root -tree | grep -q '\"trayer\"'"
fi

# Qt wants a private runtime folder, which a session started from a service may lack.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$workdir/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# The command sees only this desktop: no Wayland, no session bus whose tray would take the icon.
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
"$@"
exit $?
