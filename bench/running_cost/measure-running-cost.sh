#!/usr/bin/env bash
# CPU share and resident memory of the running program beside `nload -t 100`, measured together:
#   bench/running_cost/measure-running-cost.sh <quellan executable> [seconds]
# Starts a private X desktop (scripts/with-desktop.sh), the desktop program on it, the console view
# and nload each in a pane of a private tmux server, lets them settle, then reads the CPU time
# (user + system, all threads) and the resident set of each over the measured span.
# CPU time rather than wall time, so a loaded machine changes the figures little.
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <quellan executable> [seconds]" >&2
    exit 2
fi
if [ -z "${QUELLAN_COST_INNER:-}" ]; then
    here=$(cd "$(dirname "$0")" && pwd)
    export QUELLAN_COST_INNER=1
    exec "$here/../../scripts/with-desktop.sh" "$here/$(basename "$0")" "$@"
fi

program=$(realpath "$1")
seconds=${2:-60}
settle=5
ticks_per_second=$(getconf CLK_TCK)
workdir=$(mktemp -d)
socket="quellan-cost-$$"
desktop_pid=""

cleanup() {
    [ -n "$desktop_pid" ] && kill "$desktop_pid" 2>/dev/null && wait "$desktop_pid" 2>/dev/null
    tmux -L "$socket" kill-server 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

mkdir -p "$workdir/desktop" "$workdir/console" "$workdir/config"
export XDG_CONFIG_HOME="$workdir/config"

(cd "$workdir/desktop" && exec "$program" >"$workdir/desktop.log" 2>&1) &
desktop_pid=$!

tmux -L "$socket" -f /dev/null new-session -d -x 120 -y 40 -s cost \
    "cd '$workdir/console' && exec '$program' --console"
tmux -L "$socket" split-window -t cost -h "exec nload -t 100"
sleep 1
console_pid=$(tmux -L "$socket" list-panes -t cost -F '#{pane_pid}' | sed -n 1p)
nload_pid=$(tmux -L "$socket" list-panes -t cost -F '#{pane_pid}' | sed -n 2p)

sleep "$settle"
for pid in "$desktop_pid" "$console_pid" "$nload_pid"; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "measure-running-cost: a measured process ended early" >&2
        cat "$workdir/desktop.log" >&2
        exit 1
    fi
done

declare -A start rss_sum
samples=0
for name in desktop console nload; do
    pid_var="${name}_pid"
    start[$name]=$(cpu_ticks "${!pid_var}")
    rss_sum[$name]=0
done
for ((s = 0; s < seconds; s++)); do
    sleep 1
    for name in desktop console nload; do
        pid_var="${name}_pid"
        rss_sum[$name]=$((rss_sum[$name] + $(resident_kb "${!pid_var}")))
    done
    samples=$((samples + 1))
done

declare -A share rss
for name in desktop console nload; do
    pid_var="${name}_pid"
    used=$(($(cpu_ticks "${!pid_var}") - start[$name]))
    share[$name]=$(awk -v t="$used" -v hz="$ticks_per_second" -v s="$seconds" \
        'BEGIN { printf "%.3f", 100 * t / hz / s }')
    rss[$name]=$(awk -v k="${rss_sum[$name]}" -v n="$samples" 'BEGIN { printf "%.1f", k / n / 1024 }')
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
printf '%-10s %10s %10s\n' "process" "CPU %core" "RSS MB"
for name in desktop console nload; do
    printf '%-10s %10s %10s\n' "$name" "${share[$name]}" "${rss[$name]}"
done
echo "over ${seconds} s, CPU time from /proc (tick = $((1000 / ticks_per_second)) ms)"
echo "desktop / nload: CPU $(ratio "${share[desktop]}" "${share[nload]}"), RSS $(ratio "${rss[desktop]}" "${rss[nload]}")"
echo "console / nload: CPU $(ratio "${share[console]}" "${share[nload]}"), RSS $(ratio "${rss[console]}" "${rss[nload]}")"
