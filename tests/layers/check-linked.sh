#!/bin/bash
# Lists the shared libraries a program loads (ldd) and says which of the
# forbidden ones are among them; the status is 1 when any is.
#   check-linked.sh PROGRAM LIBRARY...   (LIBRARY: a name such as libQt6Gui)
set -u
program=${1:?usage: check-linked.sh PROGRAM LIBRARY...}
shift
if ! loaded=$(ldd "$program"); then
    echo "ldd cannot read $program"
    exit 1
fi
broken=0
for library in "$@"; do
    if grep -q "^[[:space:]]*$library\.so" <<<"$loaded"; then
        echo "$program loads $library"
        broken=1
    fi
done
exit $broken
