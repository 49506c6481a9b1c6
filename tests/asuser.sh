#!/bin/sh
# Runs a test as an ordinary user when started as root: root reads and
# writes files whatever their modes say, and so hides what users meet.
[ "$(id -u)" = 0 ] || exec "$@"
home=$(mktemp -d) || exit 1
chown nobody "$home" || exit 1
runuser -u nobody -- env HOME="$home" TMPDIR="$home" "$@"
status=$?
rm -rf "$home"
exit $status
