#!/usr/bin/env bash
# Starts the program from a build folder. Without a display there is no window to show: the bundled
# sample document is rendered with the command-line tool instead and the page's path printed.
set -eu
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the window cannot be shown here." >&2
    echo "Rendering the sample document with $build/src/tallywick-cli instead; open the page in a browser:" >&2
    exec "$(dirname "$0")/render-sample.sh" "$build"
fi
exec "$build/src/tallywick"
