#!/bin/bash
# Every include of src/ follows the layers: a folder includes only itself and
# the folders below it, and nothing below the Qt layers includes Qt.
# Prints each include that breaks the rule; the status is 1 when there is one.
set -u
src=${1:?usage: check-layers.sh SRC_DIR}

# folder: the folders it may include besides itself
declare -A allowed=(
    [model]=""
    [platform]=""
    [radio]="model"
    [transport]="model platform"
    [clone]="model platform transport"
    [interchange]="model platform transport clone"
    [document]="model platform transport clone interchange"
    [ui]="model platform transport clone interchange document"
    [app]="model platform transport clone interchange document ui"
)
qt_allowed="ui app"

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
            fi
        done < "$file"
    done
done
exit $broken
