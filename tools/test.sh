#!/bin/sh
# Installs what is missing, builds everything and runs every test: once in the ordinary build,
# then again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), where any
# report fails the run.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --workflow --preset dev
cmake --workflow --preset asan
