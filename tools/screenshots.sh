#!/usr/bin/env bash
# Takes the screenshots of the user guide and the README from the real program on a virtual display,
# with a fresh data folder and settings, so they show what a new user sees. Re-run it whenever the
# windows change; a window that the build cannot show yet is skipped and its old picture kept.
# Usage: tools/screenshots.sh [BUILD_DIR]       Needs xvfb-run, imagemagick (import) and xdotool.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
images=$here/docs/guide/images

if [ "${SCREENSHOTS_INSIDE:-}" != 1 ]; then
    if ! command -v xdotool >/dev/null; then
        [ "$(id -u)" = 0 ] || { echo "screenshots: install xdotool first (apt-get install xdotool)" >&2; exit 1; }
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xdotool >/dev/null
    fi
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -p "$images"
    HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch \
        SCREENSHOTS_INSIDE=1 QTWEBENGINE_DISABLE_SANDBOX=1 LANG=en_US.UTF-8 \
        env -u LC_ALL xvfb-run -a -s "-screen 0 1440x900x24" "$0" "$build"
    cmake --build "$build" --target guide >/dev/null
    exit 0
fi

# --- inside the virtual display ---------------------------------------------------------------
say() { echo "screenshots: $*"; }
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
wait_for_window() {
    local name=$1 tries=${2:-60}
    for _ in $(seq "$tries"); do
        local id
        id=$(window_named "$name")
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}
shot_window() { # NAME FILE: the window alone
    import -window "$1" "$2" && say "took $(basename "$2")"
}
shot_screen() { # FILE: the whole display
    import -window root "$1" && say "took $(basename "$1")"
}
click_menu() { # MENU_X ITEM_INDEX: opens a menu of the main window's bar and picks its n-th item
    xdotool mousemove "$1" 12 click 1
    sleep 0.5
    for _ in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
}

"$build/src/tallywick" >/tmp/tallywick-screenshots.log 2>&1 &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
main=$(wait_for_window Tallywick) || { say "the main window did not appear"; exit 1; }
xdotool windowsize "$main" 1440 900 windowmove "$main" 0 0
sleep 2
shot_screen "$images/main-window.png"
cp "$images/main-window.png" "$here/docs/screenshot.png"

# A first document: three rows, a customer and an item, for the README and the Browser shot.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key ctrl+n
sleep 1
shot_screen "$images/new-rows.png"

# Tools -> Settings (the first item of the first menu).
click_menu 20 1
sleep 1
shot_screen "$images/settings.png"
xdotool key Escape
xdotool mousemove 1 1

# Ctrl+P builds the page and opens the Browser.
xdotool key ctrl+p
if browser=$(wait_for_window Browser 20); then
    sleep 3
    shot_window "$browser" "$images/browser.png"
    xdotool windowclose "$browser" 2>/dev/null || true
else
    say "no Browser window yet: browser.png kept as it was"
fi

# Info -> About (the second item of the second menu).
click_menu 60 2
if about=$(wait_for_window "About Tallywick" 20); then
    sleep 1
    shot_window "$about" "$images/about.png"
else
    say "no About window"
fi
