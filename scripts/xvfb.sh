# SPDX-License-Identifier: MIT
# Sourced by scripts and tests that need a private X server.
# start_xvfb DIR [SCREEN] starts Xvfb on a free display, exports DISPLAY and
# returns once the server answers; stop_xvfb ends it and waits until it is gone.
# Needs xdotool, which asks the server for its size to see that it answers.

xvfb_pid=""

start_xvfb() {
    local dir=$1 screen=${2:-1024x768x24}
    for _ in 1 2 3; do
        rm -f "$dir/display"
        # Xvfb picks a free display and writes its number to descriptor 3.
        # -noreset: a server that resets whenever its last client leaves
        # refuses the next one for a moment.
        Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$dir/display" >>"$dir/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            [ -s "$dir/display" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$dir/display" ]; then
            export DISPLAY=":$(cat "$dir/display")"
            for _ in $(seq 50); do
                xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
                sleep 0.1
            done
        fi
        stop_xvfb
    done
    echo "Xvfb did not start; its log:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
