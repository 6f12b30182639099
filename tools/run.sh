#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev
if [ -x build/bin/taldor ]; then
  exec build/bin/taldor "$@"
else
  exec build/bin/taldor-calc examples/cases.jsonl
fi
