#!/usr/bin/env bash
# Install run against raw decode, under Wine, on the benchmark corpus packed as one package
# (block-sorting method, one entry per corpus file).
#   bench/install_bench.sh [CORPUS_DIR]     (default build/corpus, made by bench/make-corpus)
# Prints both times, their ratio (goal: install within 1.3 x decode) and both memory peaks.
set -euo pipefail
cd "$(dirname "$0")/.."
corpus=${1:-build/corpus}
[ -d "$corpus/files" ] || bench/make-corpus "$corpus" >/dev/null
scripts/build host win64 >/dev/null

work=build/bench-install
rm -rf "$work" && mkdir -p "$work/payload"
cp -r "$corpus/files/." "$work/payload/"
cp "$corpus/zeros.bin" "$corpus/periodic.bin" "$work/payload/"
build/host/tools/ovixpack/ovixpack create --force -o "$work/package.arc" --method bwt "$work/payload" >/dev/null

prefix=$PWD/$work/wineprefix
target="Z:$(echo "$PWD/$work/installed" | tr / '\\')"
run() { scripts/wine-run --prefix "$prefix" build/win64/bench/install_bench.exe "$@"; }
run decode "$work/package.arc" >/dev/null  # warms the prefix and the file cache
# Best of three alternating runs of each, as the machine is shared.
best() { printf '%s\n' "$@" | sort -g | head -1; }
decode_times=() install_times=()
for round in 1 2 3; do
  read -r s bytes decode_peak < <(run decode "$work/package.arc" | tr -d '\r')
  decode_times+=("$s")
  rm -rf "$work/installed"
  read -r s _ install_peak < <(run install "$work/package.arc" "$target" 2>"$work/os-time.txt" | tr -d '\r')
  install_times+=("$s")
done
decode_s=$(best "${decode_times[@]}")
install_s=$(best "${install_times[@]}")

echo "corpus: $bytes bytes in $(find "$work/payload" -type f | wc -l) files, one package (block-sorting)"
printf 'raw decode  %8.3f s   peak working set %6.1f MiB   (runs: %s)\n' "$decode_s" "$(echo "$decode_peak/1048576" | bc -l)" "${decode_times[*]}"
printf 'install run %8.3f s   peak working set %6.1f MiB   (runs: %s)\n' "$install_s" "$(echo "$install_peak/1048576" | bc -l)" "${install_times[*]}"
tr -d '\r' < "$work/os-time.txt"
printf 'install / decode: %.2f x (goal 1.3 x)\n' "$(echo "$install_s/$decode_s" | bc -l)"
