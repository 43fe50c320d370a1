#!/bin/sh
# Fails unless the shared library's dynamic symbol table defines exactly the plugin's three names.
set -eu
lib=$1
got=$(nm -D --defined-only "$lib" | awk '{print $3}' | sort | tr '\n' ' ')
want="linkVersion onComment onEventCommand "
if [ "$got" != "$want" ]; then
  echo "$lib exports [$got], not exactly [$want]" >&2
  exit 1
fi
echo "$lib exports exactly: $got"
