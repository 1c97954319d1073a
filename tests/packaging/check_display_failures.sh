#!/usr/bin/env bash
# Started with no display, or with one that cannot be reached, the program says so in one
# line on stderr and exits with status 2; a headless platform still starts without one.
#   check_display_failures.sh QUILLAMP
set -uo pipefail
app=$1

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
# A crash would leave its core here (with the default core_pattern).
cd "$work" || exit 1
ulimit -c unlimited 2>/dev/null

# An X display number with no server behind it; a server also listens on an abstract
# socket, which a private /tmp does not hide.
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ] ||
    grep -q "/tmp/.X11-unix/X$free\$" /proc/net/unix; do
    free=$((free + 1))
done

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# launch OUT ERR [VAR=VALUE...] -- [ARGUMENTS...]: the program in a clean environment.
launch() {
    local out=$1 err=$2
    shift 2
    local vars=()
    while [ "$1" != -- ]; do
        vars+=("$1")
        shift
    done
    shift
    env -i HOME="$work" PATH="$PATH" "${vars[@]}" "$app" "$@" >"$out" 2>"$err"
}

# refused NAME EXPECTED_TEXT [VAR=VALUE...] -- [ARGUMENTS...]
refused() {
    local name=$1 expected=$2
    shift 2
    launch "$work/out" "$work/err" "$@"
    local status=$?
    local lines
    lines=$(wc -l <"$work/err")
    [ "$status" -eq 2 ] || fail "$name: exit status $status, expected 2"
    [ "$lines" -eq 1 ] || fail "$name: $lines lines on stderr, expected 1"
    [ -s "$work/out" ] && fail "$name: wrote to stdout"
    grep -qF -- "$expected" "$work/err" || fail "$name: stderr does not mention '$expected'"
    grep -qF 'xvfb-run quillamp' "$work/err" || fail "$name: stderr does not say how to run it"
    compgen -G "$work/core*" >/dev/null && fail "$name: left a core file"
    rm -f "$work"/core*
    echo "$name: status $status: $(head -c 300 "$work/err")"
}

refused "no display" "DISPLAY and WAYLAND_DISPLAY are not set" --
refused "xcb asked for, only Wayland set" "DISPLAY is not set" \
    QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=quillamp-none --
refused "unreachable X display" ":$free" DISPLAY=":$free" --
refused "unreachable X display given as an option" ":$free" -- -display ":$free"

# A server that is there but refuses us: Xlib prints its own complaint unless we catch it.
if command -v Xvfb >/dev/null && command -v xauth >/dev/null; then
    xauth -f "$work/cookie" add ":$free" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" 2>/dev/null
    Xvfb ":$free" -auth "$work/cookie" -nolisten tcp 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$free" ] && break
        sleep 0.1
    done
    refused "X display that refuses the connection" ":$free" \
        DISPLAY=":$free" XAUTHORITY="$work/none" --
    kill "${pids[-1]}" 2>/dev/null
    wait "${pids[-1]}" 2>/dev/null
    unset 'pids[-1]'
fi

# started NAME [VAR=VALUE...] -- [ARGUMENTS...]: still running two seconds later.
started() {
    local name=$1
    shift
    launch /dev/null "$work/$name.err" "$@" &
    pids+=($!)
    names+=("$name")
}
names=()
started offscreen QT_QPA_PLATFORM=offscreen --
started offscreen-option -- -platform offscreen
started fallback-to-offscreen "QT_QPA_PLATFORM=xcb;offscreen" DISPLAY=":$free" --
sleep 2
for i in "${!pids[@]}"; do
    if kill -0 "${pids[$i]}" 2>/dev/null; then
        echo "${names[$i]}: still running after 2 s"
    else
        wait "${pids[$i]}"
        fail "${names[$i]}: exited with status $? ($(head -c 300 "$work/${names[$i]}.err"))"
    fi
done

[ "$failures" -eq 0 ]
