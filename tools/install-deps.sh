#!/bin/sh
# Installs, as root on Debian 12, the packages that building and testing need and that are
# missing. Nothing is done when all of them are present.
set -eu
here=$(dirname "$0")
packages=$(grep -v '^#' "$here/debian-packages.txt" | tr '\n' ' ')
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  # shellcheck disable=SC2086
  apt-get install -y $missing
fi
# A locale with a decimal comma, so that the test of number reading against the C library's
# locale runs instead of being skipped.
if [ "$(id -u)" = 0 ] && ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  localedef -i es_ES -c -f UTF-8 es_ES.UTF-8
fi
