#!/usr/bin/env bash
# Runs one shard of a GoogleTest program: run_test_shard.sh PROGRAM INDEX COUNT.
#
# The shard is the program's cases numbered INDEX modulo COUNT, GoogleTest's own sharding. When a
# case ends the process before the program's summary (a sanitizer report, an abort, a signal), the
# case is named and the shard's cases that had not started run on in a new process, so one crash
# hides no other result. The exit status is 0 only when every process of the shard succeeded.
set -u

program="$1"
index="$2"
count="$3"

log="$(mktemp)"
trap 'rm -f "$log"' EXIT

# The shard's cases in the order they run. The listing has "Suite." lines followed by the indented
# names of their cases (a "#" starts the parameter comment of a parameterised case); GoogleTest
# numbers the cases that are not disabled and gives shard INDEX those numbered INDEX modulo COUNT.
mapfile -t cases < <("$program" --gtest_list_tests 2>/dev/null |
  awk -v index_="$index" -v count="$count" '
    /^[^ ]/ { suite = $1; next }
    /^  [^ ]/ {
      name = suite $1
      if (name ~ /(^|\.|\/)DISABLED_/) next
      if (n++ % count == index_) print name
    }')

status=0
filter=""
while :; do
  if [ -z "$filter" ]; then
    GTEST_SHARD_INDEX="$index" GTEST_TOTAL_SHARDS="$count" "$program" 2>&1 | tee "$log"
  else
    "$program" --gtest_filter="$filter" 2>&1 | tee "$log"
  fi
  rc="${PIPESTATUS[0]}"
  [ "$rc" -ne 0 ] && status="$rc"
  # A process that printed its summary ran to its end; failures and leak reports are in its output.
  grep -q '^\[==========\] .* ran\.' "$log" && break

  # The case that was running: the last one started and not finished.
  crashed="$(awk '/^\[ RUN      \] / { name = $4 } /^\[       OK \] |^\[  FAILED  \] |^\[  SKIPPED \] / { if ($4 == name) name = "" }
                  END { print name }' "$log")"
  if [ -z "$crashed" ]; then
    echo "run_test_shard: $program ended with status $rc before running a case" >&2
    [ "$status" -eq 0 ] && status=1
    break
  fi
  echo "run_test_shard: [  CRASHED ] $crashed (status $rc); the shard's remaining cases run on" >&2
  [ "$status" -eq 0 ] && status=1

  # The cases not yet started, in order.
  mapfile -t started < <(awk '/^\[ RUN      \] / { print $4 }' "$log")
  declare -A done_cases=()
  for c in "${started[@]}"; do done_cases["$c"]=1; done
  remaining=()
  for c in "${cases[@]}"; do
    [ -n "${done_cases[$c]:-}" ] || remaining+=("$c")
  done
  unset done_cases
  [ "${#remaining[@]}" -eq 0 ] && break
  cases=("${remaining[@]}")
  filter="$(IFS=:; echo "${cases[*]}")"
done
exit "$status"
