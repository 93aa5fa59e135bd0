#!/usr/bin/env bash
# A small run of scripts/bench: two tiny spread scenarios and a small street, a
# few frames. The timings are not judged here, only that every figure is
# measured and printed, and that the editor's picture is the reference's.
set -euo pipefail
source_dir=$1
build_dir=$2
data=$(mktemp -d /tmp/sahne-bench-XXXXXX)
trap 'rm -rf "$data"' EXIT

status=0
SAHNE_BUILD_DIR=$build_dir BENCH_DIR=$data \
  "$source_dir/scripts/bench" --no-build --sizes "40 300" --street 120 --frames 2 >"$data/out.txt" 2>&1 || status=$?
cat "$data/out.txt"

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -s "$data/items_40.zev" ] && [ -s "$data/items_300.zev" ] && [ -s "$data/street_120.zev" ] ||
  fail "the scenarios were not generated"
# The generator is deterministic: the same count gives the same file.
"$build_dir/tools/scenario_generator/scenario_generator" 300 "$data/again.zev" "$source_dir/media/work/objects.txt"
cmp -s "$data/items_300.zev" "$data/again.zev" || fail "the generator gave another file for the same count"

grep -Eq '^\| start to first frame \(ms, median of 3\) +\| +[0-9]+ ' "$data/out.txt" || fail "no start time"
grep -Eq '^\| start to first frame, processor ms \(median of 3\) +\| +[0-9]+ ' "$data/out.txt" ||
  fail "no processor time of the start"
for n in "40 items" "300 items" "120 items in a street"; do
  for figure in "frame / empty frame" "pixels unlike the reference % \(worst" "worst frame of 50 edits" "pick ms" \
                "slowest edit without its frame ms" "processor ms of the costliest edit with its frame" \
                "worst edit with its frame / frame without an edit" \
                "Open over the loaded scenario ms" "save ms" "parse ms" "memory MB" "memory growth"; do
    grep -Eq "^\| $n: $figure.*\| +-?[0-9]" "$data/out.txt" || fail "no '$figure' for $n"
  done
  # The editor draws what the reference drawing shows: small scenarios pass its goal.
  grep -Eq "^\| $n: pixels unlike the reference % \(worst view\).*\| pass \|" "$data/out.txt" ||
    fail "$n: the picture is unlike the reference"
done
for n in 40 300; do
  # The document's own figures, on the spread counts.
  for figure in "problem check ms" "area overlaps found" "list built ms" "list filter" "list sort" \
                "edit \+ list refresh"; do
    grep -Eq "^\| $n items: $figure.*\| +-?[0-9]" "$data/out.txt" || fail "no '$figure' for $n items"
  done
  # Picks over a scenario spread over the whole terrain meet the ground at least.
  hits=$(grep -E "^\| $n items: hits per pick" "$data/out.txt" | awk -F'|' '{gsub(/ /, "", $3); print $3}')
  awk -v h="$hits" 'BEGIN { exit !(h >= 0.5) }' || fail "$n items: $hits hits per pick"
done
# Small scenarios are judged against few goals (start, memory growth, the
# picture); a fault of the harness itself (a crash) ends it with another status
# than 0 or 1.
[ $status -le 1 ] || fail "scripts/bench ended with status $status"
echo "bench smoke run: ok"
