#!/bin/bash
# Prints through a real CUPS queue: a cups-pdf printer that this check adds
# (and removes again), whose PDF files land in $HOME/PDF. cpz5-cli print
# --printer must deliver the pages there, and a printer name that does not
# exist must be answered with the printers that do. Needs root, cupsd and
# printer-driver-cups-pdf (scripts/setup installs them); without them the
# check says why and counts as skipped (77).
#   cups-queue-check.sh CPZ5_CLI
set -u
cli=$(realpath "${1:?usage: cups-queue-check.sh CPZ5_CLI}")
queue=CPZ5-CHECK-PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ "$(id -u)" = 0 ] || skip "adding a printer needs root"
for tool in cupsd lpadmin lpstat pdfinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -e "$ppd" ] || skip "printer-driver-cups-pdf is not installed"
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd || skip "cupsd cannot be started"
    for _ in $(seq 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.1
    done
fi
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" 2>/dev/null || skip "no cups-pdf queue can be added"

scratch=$(mktemp -d)
out="${HOME:-/root}/PDF"
cleanup() {
    lpadmin -x "$queue" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$scratch/config"
cd "$scratch" || exit 1
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

"$cli" new -o radio.cz5 || fail "no clone file could be made"
touch "$scratch/start"
"$cli" print radio.cz5 --printer "$queue" --sections pgr || fail "printing to $queue failed"
# cups-pdf writes the file when the job is done, which may take a while.
delivered=""
for _ in $(seq 900); do
    delivered=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$scratch/start" 2>/dev/null | head -1)
    [ -n "$delivered" ] && break
    sleep 0.1
done
if [ -z "$delivered" ]; then
    fail "no PDF arrived in $out"
else
    sleep 0.5
    # cups-pdf draws the text again as glyph outlines: the page count
    # tells that the one page arrived.
    pdfinfo "$delivered" 2>/dev/null | grep -qE "^Pages: +1$" ||
        fail "the delivered PDF $delivered does not hold the one page printed"
    rm -f "$delivered"
fi

if message=$("$cli" print radio.cz5 --printer cpz5-no-such-printer 2>&1); then
    fail "a printer that does not exist was taken"
elif ! grep -q "no printer named cpz5-no-such-printer exists; the printers are .*$queue" <<<"$message"; then
    fail "the answer to a missing printer does not list $queue: $message"
fi
exit $failed
