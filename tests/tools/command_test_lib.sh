# Shared by the ovixpack command tests; sourced after setting `work` (a folder to start
# afresh) and the array `ovixpack` (the command that runs ovixpack, maybe under Wine).
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check NAME EXPECTED_EXIT ACTUAL_EXIT
  if [ "$2" != "$3" ]; then fail "$1: exit $3, expected $2"; fi
}
# Runs ovixpack with Windows line ends folded; the exit code is ovixpack's.
pack() { "${ovixpack[@]}" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# The summary line and the script's result.
finish() {
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
