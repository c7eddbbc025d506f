#!/usr/bin/env bash
# Runs the Qt sample (one window redrawn every 100 ms) on a private desktop and reports the time
# to its first presented frame, its CPU use over the run and its resident memory; then once more
# with a web view in its window, for the resident memory of the program and of the web view's
# helper processes apart.
#   bench/qt/measure-sample.sh [build-dir] [seconds]
# Targets: first frame within 150 ms (warm), at most 0.5 % of one core, at most 35 MB resident,
# with or without a web view (the browser engine's memory belongs to the helper).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-30}"
sample="$build/bench/qt/quellan_qt_sample"
[ -x "$sample" ] || { echo "build quellan_qt_sample first: $sample" >&2; exit 2; }

measure() {
    local sample=$1 seconds=$2
    local ticks
    ticks=$(getconf CLK_TCK)
    # A warm-up run so the first frame is measured with fonts and libraries in the page cache.
    "$sample" 0 >/dev/null
    local out
    out=$(mktemp)
    "$sample" "$seconds" >"$out" &
    local pid=$!
    until grep -q first-frame-ms "$out"; do sleep 0.01; done
    sleep 1  # settle after start-up before measuring the steady state
    read -r -a stat0 < <(cut -d' ' -f14,15 "/proc/$pid/stat")
    local start=$SECONDS peak=0 rss
    while kill -0 "$pid" 2>/dev/null; do
        rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
        [ "${rss:-0}" -gt "$peak" ] && peak=$rss
        read -r -a stat1 < <(cut -d' ' -f14,15 "/proc/$pid/stat" 2>/dev/null) || break
        sleep 1
    done
    wait "$pid" || true
    local elapsed=$((SECONDS - start))
    [ "$elapsed" -gt 0 ] || elapsed=1
    local cpu=$(( (stat1[0] + stat1[1]) - (stat0[0] + stat0[1]) ))
    echo "$(grep first-frame-ms "$out")"
    awk -v c="$cpu" -v t="$ticks" -v s="$elapsed" \
        'BEGIN { printf "cpu-percent-of-one-core %.2f (over %d s)\n", 100 * c / t / s, s }'
    awk -v k="$peak" 'BEGIN { printf "resident-peak-mb %.1f\n", k / 1024 }'
    grep frames "$out" || true
    rm -f "$out"
}

# Proportional resident kilobytes (shared pages split among their users) of a process and of
# everything it started, below it: the engine's processes share most of their libraries.
tree_pss() {
    local pid=$1 total child
    total=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null || echo 0)
    for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do
        total=$((total + $(tree_pss "$child")))
    done
    echo "${total:-0}"
}

measure_web_view() {
    local sample=$1
    local page='data:text/html;charset=utf-8,<title>notice</title><p>Quellan 公告</p>'
    local out
    out=$(mktemp)
    "$sample" 15 "$page" >"$out" &
    local pid=$!
    for _ in $(seq 1 600); do
        grep -q '^web-view-' "$out" && break
        sleep 0.1
    done
    sleep 2  # the page drawn, the engine settled
    local own helpers=0 child
    own=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    for child in $(ps -o pid= --ppid "$pid"); do
        helpers=$((helpers + $(tree_pss "$child")))
    done
    grep '^web-view-' "$out" || echo "web-view-not-ready"
    awk -v k="$own" 'BEGIN { printf "resident-mb-with-web-view %.1f\n", k / 1024 }'
    awk -v k="$helpers" 'BEGIN { printf "web-view-helpers-proportional-mb %.1f\n", k / 1024 }'
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    rm -f "$out"
}

helper="$build/src/app/quellan_web_view"
[ -x "$helper" ] && export QUELLAN_WEB_VIEW_HELPER="$helper"
export -f measure measure_web_view tree_pss
exec "$root/scripts/with-desktop.sh" bash -c 'measure "$0" "$1"; measure_web_view "$0"' \
    "$sample" "$seconds"
