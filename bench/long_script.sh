#!/usr/bin/env bash
# Writes a vesk-sim script of COMMANDS event commands (default 1,000,000) with 100 watched
# variables, one of which changes every 1,000 commands.
set -euo pipefail
commands=${1:-1000000}
awk -v n="$commands" 'BEGIN {
  print "event 1 page 1"
  for (v = 1; v <= 100; v++) print "@add_variable_watch " v
  for (i = 1; i <= n; i++) {
    if (i % 1000 == 0) print "cmd 10220 0 " (i / 1000) % 100 + 1 " 0 1 0 1"
    else print "cmd 11410 0"
  }
}'
