#!/usr/bin/env bash
# No test leaves a process behind. Every test that starts programs (virtual
# displays, editors) carries SAHNE_TEST_RUN=MARK in its environment, and so do
# the programs it starts. Once those tests are over, this one finds the
# processes still carrying the mark, gives them five seconds to end, then names
# and ends the rest and fails.
mark=${1:?usage: processes_left.sh MARK}

marked() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "SAHNE_TEST_RUN=$mark" && echo "$pid"
  done
  return 0
}

for _ in $(seq 1 50); do
  left=$(marked)
  [ -z "$left" ] && { echo "PASS: no test left a process running"; exit 0; }
  sleep 0.1
done
for pid in $left; do
  echo "FAIL: left running: $pid $({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null)" \
       "in $(readlink "/proc/$pid/cwd" 2>/dev/null)" >&2
done
kill $left 2>/dev/null || true
exit 1
