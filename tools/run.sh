#!/usr/bin/env bash
# Starts the program from a build folder. Without a display there is no window to show.
set -eu
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the window cannot be shown here." >&2
    echo "Run 'make run' from a desktop session, or use $build/src/tallywick-cli --help." >&2
    exit 1
fi
exec "$build/src/tallywick"
