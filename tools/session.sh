# Starts an X server and the Wine server for a run of Windows programs, and
# stops both when the calling script exits, also on failure.
# Source after env.sh.
start_session() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    # Large enough for the designer at 200 % scaling (1506 x 1168 pixels).
    Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    trap stop_session EXIT
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    "$WINESERVER" -p
    wine_locale "$WINE" cmd /c exit >/dev/null 2>&1 || true
}
stop_session() {
    # Slow file systems a failed test of this build left mounted; another
    # build's session may still be using its own.
    awk '$1 == "slowfs" { print $2 }' /proc/mounts 2>/dev/null | while read -r mount; do
        mount=$(printf '%b' "$mount")
        case "$mount" in
            "$BUILD_ROOT"/*) fusermount3 -uz "$mount" >/dev/null 2>&1 || true ;;
        esac
    done
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
    wait "${XVFB_PID:-}" 2>/dev/null || true
}
