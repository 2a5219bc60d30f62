#!/bin/sh
# Installs what is missing, builds, and runs every test headless.
set -e
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
cd "$here/build"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
set +e
ctest --output-on-failure -j"$(nproc)" > ctest.log 2>&1
status=$?
set -e
grep -E "tests passed|tests failed|^\s+[0-9]+ - " ctest.log || true
[ $status -eq 0 ] || tail -n 60 ctest.log
passed=$(grep -c "  Passed" ctest.log || true)
failed=$(grep -c -E "\*\*\*Failed|\*\*\*Exception|Not Run" ctest.log || true)
echo "tests: $passed passed, $failed failed"
exit $status
