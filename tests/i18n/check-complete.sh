#!/usr/bin/env bash
# Every language is complete: lupdate over today's sources changes nothing in
# a copy of each translation file (no new or changed text waits for its
# translation, no vanished one is kept), and lrelease compiles every text as
# finished. Prints lrelease's report of each language.
#
#   check-complete.sh LUPDATE LRELEASE SOURCE_DIR
set -euo pipefail
lupdate=$1 lrelease=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source"
mapfile -t sources < <(find src tools -name '*.cpp' -o -name '*.h' | sort)
status=0
for ts in translations/cpz5_*.ts; do
    copy=$work/${ts##*/}
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -no-obsolete -tr-function-alias translate+=Tr -I src \
        "${sources[@]}" -ts "$copy" >/dev/null 2>&1
    if ! diff -u "$ts" "$copy" >"$work/diff"; then
        echo "$ts is not what the sources say (run the target update_translations, then translate):"
        head -40 "$work/diff"
        status=1
    fi
    report=$("$lrelease" "$copy" -qm "$work/check.qm")
    echo "${ts##*/}: ${report//$'\n'/ }"
    if ! grep -q "(\([0-9]*\) finished and 0 unfinished)" <<<"$report" || grep -q "Ignored" <<<"$report"; then
        status=1
    fi
done

# Each translation keeps its text's placeholders (%1 ... %9) and, where the
# text has a mnemonic, has exactly one of its own.
python3 - translations/cpz5_*.ts <<'CHECK' || status=1
import re, sys
import xml.etree.ElementTree as ET

def marks(text):
    return (sorted(re.findall(r"%[1-9]", text)), len(re.findall(r"&(?!&)", text.replace("&&", ""))))

broken = 0
for path in sys.argv[1:]:
    for message in ET.parse(path).getroot().iter("message"):
        source, translation = message.findtext("source"), message.findtext("translation") or ""
        if marks(source) != marks(translation):
            print(f"{path}: {source!r} -> {translation!r}: placeholders or mnemonic differ")
            broken += 1
sys.exit(1 if broken else 0)
CHECK
exit $status
