#!/bin/bash
# The desktop program in a real X server, driven by its keyboard alone:
# xdotool types into the window as a user would, xclip reads the clipboard
# as another program would, cpz5-cli reads the saved files.
#
#   keyboard-check.sh CPZ5 CPZ5_CLI
#
# It starts its own X server (xvfb-run). Every step names itself; the first
# that fails ends the check with its reason (and a screenshot of the screen
# in $SCREENSHOT, when that names a file). Exit status 77: a tool is missing.
set -euo pipefail

# shellcheck source=tests/support/program-home.sh
. "$(dirname "$0")/../support/program-home.sh"
require_tools "keyboard check" xvfb-run xdotool xclip
if [ -z "${CPZ5_IN_XVFB:-}" ]; then
    CPZ5_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM

cpz5=$1
cli=$2
make_program_home

fail() {
    echo "keyboard check: $*" >&2
    import -window root "${SCREENSHOT:-/dev/null}" 2>/dev/null || true
    exit 1
}

# Four memory channels in use.
file=$work/radio.cz5
"$cli" new -o "$file" >/dev/null
"$cli" set "$file" \
    MCH.CH0.Clear=OFF MCH.CH0.FreqRx=145.00000 MCH.CH0.Name=ALPHA \
    MCH.CH1.Clear=OFF MCH.CH1.FreqRx=145.50000 MCH.CH1.Name=BRAVO \
    MCH.CH2.Clear=OFF MCH.CH2.FreqRx=146.00000 MCH.CH2.Name=CHARL \
    MCH.CH3.Clear=OFF MCH.CH3.FreqRx=146.50000 MCH.CH3.Name=DELTA >/dev/null
cp "$file" "$work/original.cz5"

# Xvfb has no window manager to give the focus back when a window closes:
# every key goes to the window named first, which gets the focus.
keys_to() {
    xdotool windowfocus --sync "$1"
    shift
    xdotool key --delay 80 "$@"
    sleep 0.5
}
keys() { keys_to "$window" "$@"; }
# Answers the message box that is shown with keys.
answer() {
    local box
    box=$(xdotool search --sync --onlyvisible --name '^CP-Z5$' | head -n 1)
    keys_to "$box" "$@"
}
saved() { "$cli" get "$file" "$1"; }

# Waits (up to 20 s) until the window's title is $1.
wait_for_title() {
    for _ in $(seq 100); do
        if xdotool search --name "^$1\$" >/dev/null 2>&1; then return 0; fi
        sleep 0.2
    done
    fail "no window titled '$1' (windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr "\n" "|"))"
}

# Saves with Ctrl+S and waits until the title has lost its star.
save() {
    keys ctrl+s
    wait_for_title "radio.cz5 - CP-Z5"
}

"$cpz5" --open "$file" &
program=$!
wait_for_title "radio.cz5 - CP-Z5"
window=$(xdotool search --name "^radio.cz5 - CP-Z5\$" | head -n 1)
sleep 1

# Three rows selected with Shift+Down and copied: the clipboard's text is the
# CSV header and those three channels, as the CSV export writes them.
keys Home shift+Down shift+Down ctrl+c
clip=$(xclip -selection clipboard -o -t text/plain | tr -d '\r') ||
    fail "the clipboard holds no text after Ctrl+C"
expected=$("$cli" export-csv "$file" | tr -d '\r' | head -n 4)
[ "$clip" = "$expected" ] ||
    fail "the clipboard's text after copying three rows is
$clip
instead of
$expected"
echo "keyboard check: Shift+Down, Ctrl+C: the clipboard holds the header and 3 channels"

# Delete on the first channel (answered Yes), saved: the channels moved up.
# Ctrl+Z and saved again: the file is the original byte for byte.
keys Home Delete
answer alt+y
save
[ "$(saved MCH.CH0.Name)" = "BRAVO" ] || fail "Delete did not remove the first channel"
keys ctrl+z
save
cmp -s "$file" "$work/original.cz5" || fail "Ctrl+Z after Delete did not bring the channel back"
echo "keyboard check: Delete, Ctrl+Z: the channel is back, the file as it was"

# F2 on the frequency cell of the second channel, a new frequency, Enter,
# Ctrl+S: the saved file holds it.
keys Home Down F2 ctrl+a
xdotool type --delay 80 "147.125"
keys Return
save
[ "$(saved MCH.CH1.FreqRx)" = "147.12500" ] ||
    fail "the saved frequency of CH 1 is $(saved MCH.CH1.FreqRx), not 147.12500"
echo "keyboard check: F2, 147.125, Enter, Ctrl+S: the file holds the new frequency"

# Ctrl+X on the first channel, saved: it is cleared and its row is on the
# clipboard. Ctrl+Z and saved again: it is back.
keys Home ctrl+x
save
[ "$(saved MCH.CH0.Clear)" = "ON" ] || fail "Ctrl+X did not clear the first channel"
xclip -selection clipboard -o -t text/plain | grep -q "ALPHA" ||
    fail "the clipboard does not hold the channel cut with Ctrl+X"
keys ctrl+z
save
[ "$(saved MCH.CH0.Name)" = "ALPHA" ] || fail "Ctrl+Z after Ctrl+X did not bring the channel back"
echo "keyboard check: Ctrl+X, Ctrl+Z: the channel went to the clipboard and came back"
