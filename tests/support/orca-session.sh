#!/bin/bash
# orca-session.sh CLIENT [ARGS...]
#
# Runs CLIENT as a screen reader's user meets a program: in an X server
# (Xvfb), a D-Bus session and an accessibility bus of its own, with a fresh
# Orca whose every spoken line goes at once to $ORCA_SPEECH_LOG. Nothing of
# the caller's session is used (display, buses, runtime and settings
# folders, locale); the sanitizers' settings pass through. Orca runs in a
# PID namespace of its own, so that it never meets another Orca of the same
# user (it would refuse to start), and everything started inside ends with
# the client. The client is started once Orca has said "Screen reader on."
# and gets DISPLAY, the session bus, XDG_* folders, LANG=C.UTF-8,
# ORCA_SPEECH_LOG and ORCA_DEBUG_LOG. The exit status is the client's; the
# session's folder, with Orca's debug log, is kept when it is not 0.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
self=$here/$(basename "$0")

# Bounded waits: every wait below polls a condition, at most this long.
readonly ready_seconds=60

wait_until() { # SECONDS CONDITION...: polls CONDITION every 20 ms
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.02
    done
}

case "${ORCA_SESSION_STAGE:-}" in
'')
    for name in $(compgen -e); do
        case "$name" in
        DISPLAY | WAYLAND_DISPLAY | XAUTHORITY | LANG | LANGUAGE | SESSION_MANAGER | \
            DESKTOP_SESSION | AT_SPI_BUS_ADDRESS | DBUS_* | XDG_* | QT_* | LC_* | GTK_* | ORCA_*)
            unset "$name"
            ;;
        esac
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/orca-session.XXXXXX")
    for folder in runtime config data cache; do mkdir -m 700 "$work/$folder"; done
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true' EXIT
    display_ready() { [ -s "$work/display" ] || ! kill -0 "$xvfb" 2>/dev/null; }
    if ! wait_until "$ready_seconds" display_ready || [ ! -s "$work/display" ]; then
        echo "orca-session: Xvfb did not start" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    namespace=(--pid --fork --mount-proc --kill-child)
    [ "$(id -u)" = 0 ] || namespace=(--user --map-root-user "${namespace[@]}")
    status=0
    DISPLAY=:$(head -n 1 "$work/display") LANG=C.UTF-8 ORCA_SESSION_DIR=$work \
        XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
        XDG_CACHE_HOME=$work/cache ORCA_SPEECH_LOG=$work/speech.log \
        ORCA_DEBUG_LOG=$work/orca.log ORCA_SESSION_STAGE=namespace \
        unshare "${namespace[@]}" "$self" "$@" || status=$?
    if [ "$status" = 0 ]; then
        rm -rf "$work"
    else
        echo "orca-session: ended with status $status; its logs are in $work" >&2
    fi
    exit "$status"
    ;;
namespace)
    # dbus-run-session is the namespace's first process: when it ends, so does the rest.
    ORCA_SESSION_STAGE=bus exec dbus-run-session -- "$self" "$@"
    ;;
bus)
    mkdir -p "$XDG_DATA_HOME/orca"
    cp "$here/orca-customizations.py" "$XDG_DATA_HOME/orca/orca-customizations.py"
    orca --debug-file="$ORCA_DEBUG_LOG" >"$ORCA_SESSION_DIR/orca.out" 2>&1 &
    orca=$!
    orca_said_ready() { grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$ORCA_SPEECH_LOG"; }
    orca_ready() { orca_said_ready || ! kill -0 "$orca" 2>/dev/null; }
    if ! wait_until "$ready_seconds" orca_ready || ! orca_said_ready; then
        echo "orca-session: Orca did not start" >&2
        cat "$ORCA_SESSION_DIR/orca.out" >&2
        exit 1
    fi
    unset ORCA_SESSION_STAGE
    status=0
    "$@" || status=$?
    # Not SIGTERM: Orca handles it only between its calls on the bus, which
    # may wait long on a program that has gone. The rest of the namespace
    # ends with this stage.
    kill -KILL "$orca" 2>/dev/null || true
    wait "$orca" 2>/dev/null || true
    exit "$status"
    ;;
esac
