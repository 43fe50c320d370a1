#!/usr/bin/env bash
# How a game's CI uses vesk-sim: run each script, fail the build when any assertion fails.
# The exit status says it all: 0 every assertion held, 1 one failed, 2 the script is broken.
set -uo pipefail
sim=${VESK_SIM:-build/native/vesk-sim}
status=0
for script in "$@"; do
  if "$sim" --json "$script" > /dev/null; then
    echo "ok      $script"
  else
    code=$?
    echo "FAILED  $script (exit $code)"
    status=1
  fi
done
exit $status
