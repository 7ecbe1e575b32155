#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The morvent authors

# Started by a Windows test under Wine: com-link.sh FOLDER MORVENT-SIM [KNOBS...]
# Runs the Linux simulated controller, links its pseudo-terminal as the first free COM port of
# this Wine prefix and writes that port's name ("COM10") or "error: ..." to FOLDER/port. It serves
# while FOLDER/lease exists, and removes FOLDER/port once the link is gone; FOLDER/hangup pulls the cable (SIGUSR1). Files, not pipes: Wine does
# not hand a Windows pipe to a Linux program. Nothing of the test's own output is held, so a test
# runner never waits for this shell, which also ends by itself after half an hour.
folder="$1"
sim="$2"
shift 2
self="$(readlink -f "$0")"
for fd in /proc/$$/fd/*; do
    [ "$(readlink "$fd")" = "$self" ] && continue # the shell reads this very script through it
    fd="${fd##*/}"
    [ "$fd" -gt 2 ] 2>/dev/null && eval "exec $fd>&-"
done
exec </dev/null >/dev/null 2>"$folder/errors"
dos="${WINEPREFIX:-$HOME/.wine}/dosdevices"
answer() {
    echo "$1" >"$folder/port.new"
    mv "$folder/port.new" "$folder/port"
}
"$sim" "$@" >"$folder/device" &
pid=$!
for _ in $(seq 250); do
    [ -s "$folder/device" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.02
done
device="$(head -n 1 "$folder/device")"
if [ -z "$device" ]; then
    kill "$pid" 2>/dev/null
    answer "error: morvent-sim printed no device: $(head -c 300 "$folder/errors")"
    exit 1
fi
n=10
while [ "$n" -le 250 ] && ! ln -s "$device" "$dos/com$n" 2>/dev/null; do
    n=$((n + 1))
done
if [ "$n" -gt 250 ]; then
    kill "$pid"
    answer "error: no free COM name in $dos"
    exit 1
fi
trap 'kill "$pid" 2>/dev/null; rm -f "$dos/com$n" "$folder/port"' EXIT
answer "COM$n"
for _ in $(seq 36000); do
    [ -e "$folder/lease" ] || break
    if [ -e "$folder/hangup" ]; then
        rm -f "$folder/hangup"
        kill -USR1 "$pid"
    fi
    sleep 0.05
done
