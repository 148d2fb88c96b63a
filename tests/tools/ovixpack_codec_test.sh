#!/usr/bin/env bash
# ovixpack encode/decode: round trip, exit codes and the report text of a corrupt stream.
# Usage: ovixpack_codec_test.sh [--quick] WORKDIR COMMAND...
#   COMMAND runs ovixpack, maybe under Wine; --quick (for Wine, where every start costs
#   seconds) keeps one round trip and one fatal report.
set -u
quick=0
[ "$1" = --quick ] && { quick=1; shift; }
work=$1; shift
ovixpack=("$@")
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
check() {  # check NAME EXPECTED_EXIT ACTUAL_EXIT
  if [ "$2" != "$3" ]; then echo "FAIL $1: exit $3, expected $2"; failures=$((failures + 1)); fi
}

LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 30000; i++) printf "%c", int(rand() * 256) }' > random.bin
{ for i in $(seq 1 400); do echo "line $i of a small text ending in asterisks"; done; printf '***'; } > text.txt
files=(random.bin text.txt)
[ $quick = 1 ] && files=(text.txt)
for f in "${files[@]}"; do
  size=$(stat -c %s "$f")
  "${ovixpack[@]}" encode --codec bwt "$f" "$f.res"; check "encode $f" 0 $?
  "${ovixpack[@]}" decode --codec bwt --size "$size" "$f.res" "$f.out"; check "decode $f" 0 $?
  cmp -s "$f" "$f.out" || { echo "FAIL $f: round trip differs"; failures=$((failures + 1)); }
done

if [ $quick = 0 ]; then
# Usage errors: exit 2.
"${ovixpack[@]}" encode text.txt out 2>/dev/null; check "encode without codec" 2 $?
"${ovixpack[@]}" encode --codec zip text.txt out 2>/dev/null; check "unknown codec" 2 $?
"${ovixpack[@]}" decode --codec bwt text.txt.res out 2>/dev/null; check "decode without size" 2 $?
"${ovixpack[@]}" decode --codec bwt --size x1 text.txt.res out 2>/dev/null; check "bad size" 2 $?
"${ovixpack[@]}" encode --codec bwt missing.bin out 2>/dev/null; check "missing input" 2 $?

fi

# A cut stream is a fatal codec report: exit 1 with the report's text on standard error.
head -c 20 text.txt.res > cut.res
"${ovixpack[@]}" decode --codec bwt --size "$(stat -c %s text.txt)" cut.res out 2> cut.err
check "truncated stream" 1 $?
grep -q "Compressed stream EOF" cut.err || { echo "FAIL truncated stream: no report text"; failures=$((failures + 1)); }
if [ $quick = 0 ]; then
# A wrong size: a stream that holds more bytes overruns the area, fewer is a failed check.
"${ovixpack[@]}" decode --codec bwt --size 100 text.txt.res out 2> small.err; check "size too small" 1 $?
grep -q "Output overrun during decompression" small.err || { echo "FAIL size too small: no report text"; failures=$((failures + 1)); }
"${ovixpack[@]}" decode --codec bwt --size 999999 text.txt.res out 2>/dev/null; check "size too large" 1 $?
printf 'ABCDEFGH' > unknown.res
"${ovixpack[@]}" decode --codec bwt --size 8 unknown.res out 2>/dev/null; check "unknown header" 1 $?
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
