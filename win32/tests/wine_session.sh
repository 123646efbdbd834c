#!/usr/bin/env bash
# Starts or stops what the Windows tests share: a virtual X display and one Wine server in the
# build's own prefix, made ready before the first test, so that each program then starts in
# tens of milliseconds. What it leaves running must not hold CTest's output open.
# Usage: wine_session.sh start|stop STATE_FOLDER WINE WINESERVER   (WINEPREFIX set)
#        wine_session.sh run STATE_FOLDER COMMAND...              (runs on the display)
set -euo pipefail
action=$1
state=$2
shift 2

case $action in
start)
    wine=$1
    wineserver=$2
    mkdir -p "$WINEPREFIX" "$state"
    rm -f "$state/display"
    # Xvfb picks a free display and writes its number to descriptor 3.
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$state/display" \
        >/dev/null 2>&1 </dev/null &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display" ] && break
        sleep 0.1
    done
    [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$state/display")"
    { "$wineserver" -p && "$wine" wineboot -i; } >/dev/null 2>&1 </dev/null
    ;;
stop)
    wineserver=$2
    "$wineserver" -k 2>/dev/null || true
    [ -f "$state/xvfb.pid" ] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
    ;;
run)
    DISPLAY=":$(cat "$state/display")"
    export DISPLAY
    exec "$@"
    ;;
esac
