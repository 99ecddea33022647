#!/usr/bin/env bash
# Builds every target of every preset and runs every test: the Linux build with its GUI tests on
# Xvfb, the sanitizer build with the fuzz runs, and the Windows build under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1
jobs=$(nproc)
status=0
for preset in linux asan windows; do
    echo "=== $preset: configure and build"
    if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j "$jobs"; then
        echo "=== $preset: build failed" >&2
        status=1
    fi
done
summary=()
for preset in linux asan windows; do
    echo "=== $preset: tests"
    if ctest --preset "$preset" -j "$jobs" 2>&1 | tee "build/$preset-ctest.log"; then
        :
    fi
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "build/$preset-ctest.log" | tail -n 1)
    grep -qE '^100% tests passed' <<<"$line" || status=1
    summary+=("$preset: ${line:-no tests ran}")
done
echo
echo "=== Summary"
printf '%s\n' "${summary[@]}"
passed=0
failed=0
for s in "${summary[@]}"; do
    if [[ $s =~ ([0-9]+)%\ tests\ passed,\ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[2]))
        passed=$((passed + BASH_REMATCH[3] - BASH_REMATCH[2]))
    else
        status=1
    fi
done
echo "$passed passed, $failed failed"
exit $status
