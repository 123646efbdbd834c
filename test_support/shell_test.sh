# What the shell tests share, sourced by each: a scratch folder, removed when the test ends
# after any clean-up the test adds with at_exit, and fail, which says what went wrong and
# ends the test. SCRATCH_NAME, set before sourcing, names the folder (mktemp's X's included).
scratch=$(mktemp -d "${TMPDIR:-/tmp}/${SCRATCH_NAME:-drawchk-test.XXXXXX}")
exit_steps=()
at_exit() { exit_steps+=("$1"); }
finish() {
    local step
    for step in "${exit_steps[@]}"; do "$step" || true; done
    rm -rf "$scratch"
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
