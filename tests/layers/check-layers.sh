#!/bin/bash
# Every include of src/ follows the layers: a folder includes only itself and
# the folders below it, and nothing below the Qt layers includes Qt.
# Prints each include that breaks the rule; the status is 1 when there is one.
set -u
src=${1:?usage: check-layers.sh SRC_DIR [QT_INCLUDE_DIR]}

# folder: the folders it may include besides itself
declare -A allowed=(
    [model]=""
    [platform]=""
    [radio]="model"
    [transport]="model platform"
    [clone]="model platform transport"
    [interchange]="model platform transport clone"
    [document]="model platform transport clone interchange"
    [views]="model platform transport clone interchange document"
    [print]="model platform transport clone interchange document views"
    [ui]="model platform transport clone interchange document views"
    [app]="model platform transport clone interchange document views print ui"
)
qt_allowed="print ui app"
# The printout is drawn with QtGui alone: print includes no header of these
# Qt modules (looked up in Qt's include folder QT_INCLUDE_DIR when given).
qt_include=${2:-}
qt_not_in_print="QtWidgets QtPrintSupport QtNetwork"

# True when the Qt header $1 (QName) belongs to a module print must not use.
from_forbidden_module() {
    local header=$1 module
    [ -n "$qt_include" ] || return 1
    for module in $qt_not_in_print; do
        [ -e "$qt_include/$module/$header" ] && return 0
    done
    return 1
}

broken=0
for folder in "${!allowed[@]}"; do
    for file in "$src/$folder"/*.h "$src/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        name=${file##*/}
        while IFS= read -r line; do
            if [[ $line =~ ^#include\ \"([a-z_]+)/ ]]; then
                used=${BASH_REMATCH[1]}
                if [ "$used" != "$folder" ] && [[ " ${allowed[$folder]} " != *" $used "* ]]; then
                    echo "$folder/$name: $line"
                    broken=1
                fi
            elif [[ $line =~ ^#include\ \<Q ]] && [[ " $qt_allowed " != *" $folder "* ]] &&
                 [[ ! ( $folder == platform && $name == Qt* ) ]]; then
                echo "$folder/$name: $line (Qt below the Qt layers)"
                broken=1
            elif [[ $folder == print && $line =~ ^#include\ \<(Q[A-Za-z]*)\> ]] &&
                 from_forbidden_module "${BASH_REMATCH[1]}"; then
                echo "$folder/$name: $line (print draws with QtGui alone)"
                broken=1
            fi
        done < "$file"
    done
done
exit $broken
