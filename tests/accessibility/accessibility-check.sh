#!/bin/bash
# The desktop program as a screen reader finds it: started in its own X
# server with its own D-Bus session, accessibility on, and read through the
# AT-SPI registry by probe.py (the main window, the grid's cells, then the
# "Edit Memory" window, opened by the keyboard).
#
#   accessibility-check.sh CPZ5 CPZ5_CLI PROBE PYTHON
#
# Exit status 77: a tool is missing.
set -euo pipefail

# shellcheck source=tests/support/program-home.sh
. "$(dirname "$0")/../support/program-home.sh"
require_tools "accessibility check" xvfb-run xdotool dbus-run-session
if [ -z "${CPZ5_IN_XVFB:-}" ]; then
    CPZ5_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- "$0" "$@"
fi
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cpz5=$1
cli=$2
probe=$3
python=$4
make_program_home

# Two channels: one inside the USA version's band, one outside it.
file=$work/radio.cz5
"$cli" new -o "$file" >/dev/null
"$cli" set "$file" MCH.CH0.Clear=OFF MCH.CH0.FreqRx=145.00000 \
    MCH.CH1.Clear=OFF MCH.CH1.FreqRx=150.00000 >/dev/null

"$cpz5" --virtual-radio=USA --open "$file" &
program=$!

timeout 20 "$python" "$probe" main

window=$(timeout 10 xdotool search --sync --name "^radio.cz5 - CP-Z5\$" | head -n 1)
timeout 10 xdotool windowfocus --sync "$window"
xdotool key --delay 80 Home Return
timeout 20 "$python" "$probe" dialog
