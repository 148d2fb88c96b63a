#!/usr/bin/env bash
# ovixpack check, plan and create's refusal as a package author meets them: the sample
# package passes and builds; a broken one is refused unless forced; plan reads the same from
# the folder and from the built installer.
# Usage: ovixpack_check_test.sh WORKDIR SAMPLE_DIR COMMAND...   (COMMAND may run under Wine)
set -u
work=$1; sample=$2; shift 2
ovixpack=("$@")
. "$(dirname "$0")/command_test_lib.sh"

cp -r "$sample" sample
pack check sample > sample.check; check "check sample" 0 $?
[ ! -s sample.check ] || fail "sample has problems: $(cat sample.check)"
pack plan sample > folder.plan; check "plan sample" 0 $?
grep -qx 'first language: English' folder.plan || fail "plan: first language"
head -c 2000 /dev/zero | tr '\0' 'M' > stub.exe
pack create -o setup.exe --stub stub.exe sample; check "create sample" 0 $?
pack plan setup.exe > built.plan; check "plan built" 0 $?
cmp -s folder.plan built.plan || fail "plans differ: $(diff folder.plan built.plan)"
pack check setup.exe; check "check built" 0 $?

# A broken package: create refuses it and writes nothing; --force builds it anyway.
cp -r sample broken
sed -i 's/^Main executable=0/Main executable=7/' broken/Ovix.ini
rm broken/English.clg
pack check broken > broken.check; check "check broken" 1 $?
[ "$(wc -l < broken.check)" = 2 ] || fail "broken: $(cat broken.check)"
grep -q '^error: \[General\] Main executable: 7 ' broken.check || fail "broken: main executable"
grep -q '^error: catalogs: ' broken.check || fail "broken: catalogs"
pack create -o refused.exe broken 2> refused.err; check "create broken" 1 $?
[ ! -e refused.exe ] || fail "create broken: wrote its output"
grep -q 'Main executable' refused.err || fail "create broken: problems not shown"
pack create -o forced.exe --force broken 2>/dev/null; check "create broken --force" 0 $?
pack check forced.exe > /dev/null; check "check forced" 1 $?
pack check missing-folder 2>/dev/null; check "check missing" 2 $?

finish
