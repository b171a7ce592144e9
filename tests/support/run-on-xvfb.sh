#!/usr/bin/env bash
# Runs one test program on an X server of its own (Xvfb), so window tests also
# meet what the offscreen platform hides: X11 key bindings and focus rules.
#   run-on-xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
numberFile=$(mktemp)
cleanup() {
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -f "$numberFile"
}
trap cleanup EXIT
# -displayfd: the server takes a free display number and writes it, so tests
# running side by side never share or race for one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" 2>/dev/null &
server=$!
for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    sleep 0.05
done
display=$(tr -d '[:space:]' <"$numberFile")
if [ -z "$display" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
