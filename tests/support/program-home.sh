# What the checks that run the real desktop program share; sourced by them.
#
#   require_tools CHECK TOOL...  ends the check as skipped (77) when a tool
#                                is missing
#   make_program_home            a home of its own in $work (removed at the
#                                end, with the program in $program ended),
#                                in which the radio counts as set up (USA),
#                                the program in English

require_tools() {
    local check=$1
    shift
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$check skipped: $tool is not installed" >&2
            exit 77
        fi
    done
}

cleanup() {
    if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}

make_program_home() {
    work=$(mktemp -d)
    program=""
    trap cleanup EXIT
    export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TMPDIR=$work/tmp
    # The checks find the program's windows by their English titles and names.
    export LANGUAGE= LC_ALL=C.UTF-8
    mkdir -p "$XDG_CONFIG_HOME/Brel" "$TMPDIR"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    printf '[Model]\nSetup=1\nModelVer=2\n' >"$XDG_CONFIG_HOME/Brel/CP-Z5.conf"
}
