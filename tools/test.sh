#!/bin/sh
# Installs what is missing, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --workflow --preset dev
