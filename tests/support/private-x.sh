# The one way tests and benchmarks start a private X screen. Source it, then call
# start_private_x: Xvfb picks a free display itself, and DISPLAY names it once it accepts
# clients; stop_private_x (call it from your EXIT trap) stops it again. -noreset: the server
# must not reset, and refuse clients for a moment, when the first program leaves.
private_x_pid=""
private_x_dir=""

start_private_x() {
    command -v Xvfb >/dev/null || { echo "missing Xvfb (apt-get install xvfb)"; return 1; }
    private_x_dir=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$private_x_dir/display" 2>"$private_x_dir/log" &
    private_x_pid=$!
    for _ in $(seq 100); do [ -s "$private_x_dir/display" ] && break; sleep 0.1; done
    [ -s "$private_x_dir/display" ] || { cat "$private_x_dir/log"; echo "Xvfb did not start"; return 1; }
    export DISPLAY=":$(head -n1 "$private_x_dir/display")"
}

stop_private_x() {
    [ -n "$private_x_pid" ] && kill "$private_x_pid" 2>/dev/null && wait "$private_x_pid" 2>/dev/null
    private_x_pid=""
    [ -n "$private_x_dir" ] && rm -rf "$private_x_dir"
    private_x_dir=""
    return 0
}
