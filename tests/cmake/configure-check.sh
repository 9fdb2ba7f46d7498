#!/bin/bash
# Configures scratch projects with the project's CMake rules and says what
# went wrong; the status is 1 when anything did.
#   configure-check.sh SOURCE_DIR CMAKE
set -u
source_dir=${1:?usage: configure-check.sh SOURCE_DIR CMAKE}
cmake=${2:-cmake}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

fail() {
    echo "FAILED: $*"
    failed=1
}

# A project that lists the test folders "present" and, when asked, "absent".
make_listing_project() {
    local listed=$1
    rm -rf "$scratch/listing"
    mkdir -p "$scratch/listing/tests/present"
    : >"$scratch/listing/tests/present/CMakeLists.txt"
    cat >"$scratch/listing/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(listing NONE)
include($source_dir/cmake/Subdirectories.cmake)
cpz5_add_subdirectories(tests $listed)
CMAKE
}

make_listing_project "present"
"$cmake" -S "$scratch/listing" -B "$scratch/listing/build" >/dev/null 2>&1 ||
    fail "a project whose listed folders all exist does not configure"

make_listing_project "present absent"
if out=$("$cmake" -S "$scratch/listing" -B "$scratch/listing/build" 2>&1); then
    fail "a listed folder that is missing did not stop the configure step"
elif ! grep -q "tests/absent" <<<"$out"; then
    fail "the configure step stopped without naming the missing folder: $out"
fi

# The programs as a packager builds them: no tests, no checked names, and
# the package's guard lets them pass; a checked build is refused.
"$cmake" -S "$source_dir" -B "$scratch/release" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DCPZ5_GUI=OFF >"$scratch/release.log" 2>&1 ||
    fail "the project does not configure without tests: $(cat "$scratch/release.log")"
grep -qx 'CPZ5_CHECKED_NAMES:BOOL=OFF' "$scratch/release/CMakeCache.txt" ||
    fail "a build without tests checks names"
"$cmake" -P "$scratch/release/PackageGuard.cmake" >/dev/null 2>&1 ||
    fail "the package guard refuses a build without checked names"

"$cmake" -S "$source_dir" -B "$scratch/release" -DCPZ5_CHECKED_NAMES=ON >/dev/null 2>&1 ||
    fail "the project does not configure with checked names"
if "$cmake" -P "$scratch/release/PackageGuard.cmake" >/dev/null 2>&1; then
    fail "the package guard lets a build with checked names be packaged"
fi

exit $failed
