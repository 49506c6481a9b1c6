#!/bin/sh
# Runs one test as the ordinary user quillon-tester when CTest runs as root:
# root may write where no user can, so a test run as root hides what fails
# for everybody else. Run as any other user, the test runs as that user.
#   unprivileged.sh setup          makes the user (CTest's fixture)
#   unprivileged.sh PROGRAM ARGS   runs the test
set -u
user=quillon-tester
if [ "$(id -u)" -ne 0 ]; then
    [ "$1" = setup ] && exit 0
    exec "$@"
fi
if [ "$1" = setup ]; then
    id -u "$user" >/dev/null 2>&1 && exit 0
    exec useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
fi
home=$(mktemp -d /tmp/quillon-tester-home.XXXXXX) || exit 1
chown "$user:$user" "$home" || exit 1
status=0
runuser -u "$user" -- env -u XDG_RUNTIME_DIR HOME="$home" "$@" || status=$?
rm -rf "$home"
exit $status
