# Sourced by the scripts that need an X display: without DISPLAY, starts a private Xvfb for
# the rest of the script and stops it when the script ends.
if [ -z "${DISPLAY:-}" ]; then
    number=90
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
    # -noreset: otherwise the server resets each time its last client leaves, and a test
    # window opening during that reset fails to connect.
    Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=":$number"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || { echo "no display: Xvfb did not start" >&2; exit 1; }
fi
