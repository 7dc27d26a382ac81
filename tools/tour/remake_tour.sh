#!/bin/sh
# Remakes the getting-started activity and the sample exercises in data/.
# The activity shows the exercise chooser, whose folder tree displays the
# folders around the one it opens: make_tour therefore runs in a private
# mount namespace whose /tmp holds only the program and its data folder, so
# that the picture shows "/tmp/Tavrel TS" and nothing of the maker's machine,
# and comes out the same at every run.
#
#   tools/tour/remake_tour.sh [build folder]
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" --target make_tour tavrel

if [ $# -lt 2 ]; then
    private=$(mktemp -d)
    # Root needs no user namespace; anyone else maps himself to root in one.
    users=--map-root-user
    [ "$(id -u)" = 0 ] && users=
    status=0
    unshare $users --mount --propagation private "$0" "$build" "$private" || status=$?
    rmdir "$private"
    exit $status
fi

private=$2
mount -t tmpfs tmpfs "$private"
cp -r "$build/app" "$private/programme"
cp -r "$root/data" "$private/Tavrel TS"
mount --bind "$private" /tmp
# xvfb-run's own folder must not appear under the new /tmp.
TMPDIR=/dev/shm xvfb-run -a -s '-screen 0 1280x1024x24' \
    "$build/tools/make_tour" /tmp/programme "/tmp/Tavrel TS"
for file in "/tmp/Tavrel TS"/*; do
    [ -f "$file" ] && ! cmp -s "$file" "$root/data/${file##*/}" && cp "$file" "$root/data/"
done
true
