# Sourced by the scripts that need an X server of their own.
#
# start_private_xvfb [LOG]: starts Xvfb on a display number it picks itself (so two
# callers started at once never race for the same one), exports DISPLAY once the
# server accepts connections and sets XVFB_PID. Fails when it does not come up
# within 10 seconds.
start_private_xvfb() {
    local log=${1:-/dev/null} pipe_dir number=
    pipe_dir=$(mktemp -d)
    mkfifo "$pipe_dir/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$pipe_dir/display" >"$log" 2>&1 &
    XVFB_PID=$!
    read -r -t 10 number <"$pipe_dir/display" || true
    rm -rf "$pipe_dir"
    if [[ -z $number ]]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$number
}
