#!/usr/bin/env bash
# The program's cost as a user runs it, on a private desktop with a tray: resident memory and CPU
# over a span (60 s unless given), first with the menu window closed and the corner window shown,
# then with the detailed statistics window shown as well.
#   bench/app/measure-program.sh [build-dir] [seconds]
# Run it on a quiet machine: the figures are the program's own, but the machine's load shows in
# the CPU share of a window that redraws ten times a second.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-60}"
program="$build/src/app/quellan"
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 2; }

run() {
    local program=$1 seconds=$2
    local folder
    folder=$(mktemp -d)
    cd "$folder"
    "$program" >quellan.out 2>quellan.err &
    local pid=$!
    trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$folder"' EXIT

    # The window titled Quellan that is `width` pixels wide: "x y" of its top-left corner.
    corner_of() {
        local width=$1 id
        for id in $(xdotool search --onlyvisible --name '^Quellan$' 2>/dev/null); do
            local geometry
            geometry=$(xwininfo -id "$id")
            if [ "$(awk '/^  Width:/ {print $2}' <<<"$geometry")" = "$width" ]; then
                awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}' \
                    <<<"$geometry"
                return 0
            fi
        done
        return 1
    }
    wait_corner() {
        local at
        for _ in $(seq 1 200); do
            if at=$(corner_of "$1"); then echo "$at"; return 0; fi
            sleep 0.1
        done
        echo "no window $1 pixels wide" >&2
        return 1
    }
    # Clicks the middle of a control given in twips (left top width height) on a window at x y.
    click_in() {
        local x=$1 y=$2 left=$3 top=$4 width=$5 height=$6
        xdotool mousemove $((x + (left + width / 2) / 15)) $((y + (top + height / 2) / 15)) click 1
        sleep 0.3
        xdotool mousemove 5 5
    }
    measure() {
        local label=$1 seconds=$2 ticks
        ticks=$(getconf CLK_TCK)
        sleep 3  # settle: the windows drawn, the statistics window loaded by the first tick
        read -r -a stat0 < <(cut -d' ' -f14,15 "/proc/$pid/stat")
        local sum=0 peak=0 samples=0 rss
        for _ in $(seq 1 "$seconds"); do
            sleep 1
            rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
            sum=$((sum + rss))
            samples=$((samples + 1))
            [ "$rss" -gt "$peak" ] && peak=$rss
        done
        read -r -a stat1 < <(cut -d' ' -f14,15 "/proc/$pid/stat")
        local cpu=$(((stat1[0] + stat1[1]) - (stat0[0] + stat0[1])))
        awk -v l="$label" -v c="$cpu" -v t="$ticks" -v s="$seconds" -v a="$sum" -v n="$samples" \
            -v p="$peak" 'BEGIN { printf "%s: cpu %.2f %% of one core over %d s, resident %.1f MB average, %.1f MB peak\n", l, 100 * c / t / s, s, a / n / 1024, p / 1024 }'
    }

    local menu mini
    menu=$(wait_corner 346)
    mini=$(wait_corner 148)
    # "打开右侧窗口信息": the corner window stays, the menu window closes.
    # shellcheck disable=SC2086
    click_in $menu 3360 1440 1575 375
    measure "menu window closed, corner window shown" "$seconds"
    # The corner window's "查看菜单", then "查看详细信息".
    # shellcheck disable=SC2086
    click_in $mini 1080 1680 1000 320
    menu=$(wait_corner 346)
    # shellcheck disable=SC2086
    click_in $menu 240 1440 1575 375
    xdotool search --sync --onlyvisible --name '^Quellan详细信息$' >/dev/null
    measure "statistics window shown too" "$seconds"
    kill -TERM "$pid"
    wait "$pid" || true
}

export -f run
exec "$root/scripts/with-desktop.sh" --tray bash -c 'run "$0" "$1"' "$program" "$seconds"
