#!/usr/bin/env bash
# ovixpack's archive commands as a package author uses them: create with each method and a
# stub, list, extract, verify, add, remove, compact, checksum, code pages, the refusal of
# names that leave the extraction folder, and exit codes on bad archives. The folders here
# are no sound packages, so create runs with --force.
# Usage: ovixpack_archive_test.sh WORKDIR COMMAND...   (COMMAND runs ovixpack, maybe under Wine)
set -u
work=$1; shift
ovixpack=("$@")
. "$(dirname "$0")/command_test_lib.sh"

mkdir -p pkg/sub/deeper
printf 'Title=Demo\r\n' > pkg/Ovix.ini
for i in $(seq 1 300); do echo "line $i of the readme"; done > pkg/readme.txt
: > pkg/sub/empty.dat
LC_ALL=C awk 'BEGIN { srand(3); for (i = 0; i < 20000; i++) printf "%c", int(rand() * 256) }' > pkg/sub/deeper/noise.bin
head -c 3000 /dev/zero | tr '\0' 'M' > stub.exe

# Each method: flags in the listing, checksums as "checksum" prints them, verify, extract.
for case in "store 0x00" "lz 0x01" "bwt 0x05" "default 0x05"; do
  set -- $case
  method=(--method "$1"); [ "$1" = default ] && method=()
  pack create -o "$1.arc" "${method[@]}" --force pkg 2>/dev/null; check "create $1" 0 $?
  pack list --tsv "$1.arc" > "$1.tsv"; check "list $1" 0 $?
  [ "$(wc -l < "$1.tsv")" = 4 ] || fail "list $1: $(wc -l < "$1.tsv") lines"
  while IFS=$'\t' read -r size packed flags crc name; do
    file=pkg/${name//\\//}
    expect=$2; [ "$size" = 0 ] && expect=0x00  # empty entries are stored plain
    [ "$flags" = "$expect" ] || fail "$1 $name: flags $flags"
    [ "$size" = "$(stat -c %s "$file")" ] || fail "$1 $name: size $size"
    [ "$crc" = "$(pack checksum "$file")" ] || fail "$1 $name: crc $crc"
  done < "$1.tsv"
  pack verify "$1.arc"; check "verify $1" 0 $?
  pack extract "$1.arc" -C "out-$1"; check "extract $1" 0 $?
  diff -r pkg "out-$1" > /dev/null || fail "extract $1: files differ"
done
[ "$(cut -f5 store.tsv | tr '\n' ' ')" = 'Ovix.ini readme.txt sub\deeper\noise.bin sub\empty.dat ' ] ||
  fail "names: $(cut -f5 store.tsv | tr '\n' ' ')"

# Stub: its bytes unchanged up to B, the archive after them.
pack create -o setup.exe --stub stub.exe --method lz --force pkg 2>/dev/null; check "create with stub" 0 $?
cmp -s -n 3000 stub.exe setup.exe || fail "stub bytes changed"
[ "$(tail -c 16 setup.exe | head -c 4)" = sRBV ] || fail "no trailer at the end"
pack extract setup.exe -C out-stub readme.txt; check "extract one name" 0 $?
cmp -s pkg/readme.txt out-stub/readme.txt || fail "extract one name: differs"
[ ! -e out-stub/Ovix.ini ] || fail "extract one name: extracted others"

# Code pages: the same name as 1251 and 1252 bytes; a name the code page lacks is refused.
mkdir -p cp/a cp/b
echo x > "cp/a/Russian (Русский).clg"
echo y > "cp/b/Français.clg"
pack create -o cp1251.arc --codepage 1251 --force cp/a 2>/dev/null; check "create 1251" 0 $?
[ "$(pack list --tsv cp1251.arc | cut -f5 | od -An -tx1 | tr -d ' \n')" = \
  "5275737369616e2028d0f3f1f1eae8e9292e636c670a" ] || fail "1251 name bytes"
pack create -o cp1252.arc --force cp/b 2>/dev/null; check "create 1252" 0 $?
[ "$(pack list --tsv cp1252.arc | cut -f5 | od -An -tx1 | tr -d ' \n')" = \
  "4672616ee76169732e636c670a" ] || fail "1252 name bytes"
pack create -o bad.arc --codepage 1252 cp/a 2> cp.err; check "unmappable name" 2 $?
grep -q "Russian" cp.err || fail "unmappable name: error does not name the file"
pack create -o bad.arc --codepage 866 cp/b 2>/dev/null; check "unsupported code page" 2 $?

# add, remove, compact.
cp store.arc edit.arc
printf 'abc' > abc.txt
pack add --method lz edit.arc abc.txt; check "add" 0 $?
[ "$(pack list --tsv edit.arc | grep abc.txt | cut -f3,4)" = $'0x01\t5AFA2A22' ] || fail "added entry"
before=$(stat -c %s edit.arc)
pack remove edit.arc readme.txt; check "remove" 0 $?
pack list edit.arc | grep -q readme.txt && fail "removed entry still listed"
[ "$(stat -c %s edit.arc)" -lt "$before" ] || fail "remove did not shrink the archive"
pack compact edit.arc; check "compact" 0 $?
pack verify edit.arc; check "verify after edits" 0 $?
pack remove edit.arc nothing 2>/dev/null; check "remove a missing name" 2 $?

# Names that would leave the folder are refused and nothing is written outside it.
python3 - <<'PY'
import struct
def archive(names):
    data, records, offset = b"", b"", 0
    for n in names:
        body = b"evil"
        records += n.encode().ljust(40, b"\0") + struct.pack("<iiiIiI", offset, 4, 4, 0, 0, 0)
        data += body; offset += 4
    directory = struct.pack("<i", len(names)) + records
    total = len(data) + len(directory) + 16
    return data + directory + b"sRBV" + struct.pack("<iiI", len(data), len(data) - total, 0x201)
for i, n in enumerate(["..\\evil.txt", "C:\\evil.txt", "\\evil.txt", "a\\..\\..\\evil.txt", "/evil.txt"]):
    open("evil%d.arc" % i, "wb").write(archive([n]))
PY
mkdir -p jail
for i in 0 1 2 3 4; do
  pack extract "evil$i.arc" -C jail/inner 2> evil.err; check "escaping name $i" 1 $?
  grep -q "refused" evil.err || fail "escaping name $i: no refusal line"
done
[ -z "$(find . -name evil.txt)" ] || fail "a file was written outside the folder"

# Bad archives: exit 1 or 2 with a message, never a crash.
cp lz.arc corrupt.arc
printf 'XXXX' | dd of=corrupt.arc bs=1 seek=40 conv=notrunc 2>/dev/null
pack verify corrupt.arc 2> corrupt.err; check "verify corrupt" 1 $?
grep -q "bad entry" corrupt.err || fail "verify corrupt: no entry named"
head -c 100 bwt.arc > truncated.arc
pack list truncated.arc 2>/dev/null; check "list truncated" 1 $?
pack verify pkg/readme.txt 2>/dev/null; check "verify a plain file" 1 $?
pack list missing.arc 2>/dev/null; check "list missing" 2 $?
pack extract lz.arc 2>/dev/null; check "extract without -C" 2 $?
pack create pkg 2>/dev/null; check "create without -o" 2 $?
pack create -o x.arc --method zip pkg 2>/dev/null; check "unknown method" 2 $?
[ "$(pack checksum abc.txt)" = 5AFA2A22 ] || fail "checksum of abc"

# LZ through encode/decode.
pack encode --codec lz pkg/readme.txt readme.lz; check "encode lz" 0 $?
pack decode --codec lz --size "$(stat -c %s pkg/readme.txt)" readme.lz readme.out; check "decode lz" 0 $?
cmp -s pkg/readme.txt readme.out || fail "lz round trip differs"
pack decode --codec lz --size 999999 readme.lz readme.out 2>/dev/null; check "lz size too large" 1 $?

finish
