#!/usr/bin/env bash
# Takes the screenshots of the user guide and the README from the real program on a virtual display,
# with a fresh data folder and settings, so they show what a new user sees. Re-run it whenever the
# windows change; a window that the build cannot show yet is skipped and its old picture kept.
# It then shows the window with a short document at 1366x768 and 1920x1080, on a light and a dark
# desktop palette, with the saved-document list dropped down and the edit menu open, into
# BUILD_DIR/screenshots (for looking at, not for the guide).
# Usage: tools/screenshots.sh [BUILD_DIR]       Needs xvfb-run, imagemagick (import), xdotool, pdftotext.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
images=$here/docs/guide/images

if [ -z "${SCREENSHOTS_INSIDE:-}" ]; then
    missing=""
    command -v xdotool >/dev/null || missing="$missing xdotool"
    command -v import >/dev/null || missing="$missing imagemagick"
    command -v pdftotext >/dev/null || missing="$missing poppler-utils"
    if [ -n "$missing" ]; then
        [ "$(id -u)" = 0 ] || { echo "screenshots: install first: apt-get install$missing" >&2; exit 1; }
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
    fi
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -p "$images"
    HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch \
        SCREENSHOTS_INSIDE=1 QTWEBENGINE_DISABLE_SANDBOX=1 LANG=en_US.UTF-8 \
        env -u LC_ALL xvfb-run -a -s "-screen 0 1440x900x24" "$0" "$build"
    cmake --build "$build" --target guide >/dev/null
    mkdir -p "$build/screenshots"
    for size in 1366x768 1920x1080; do
        for palette in light dark; do
            home=$scratch/look-$size-$palette
            mkdir -p "$home/config" && chmod 700 "$home"
            desktop=()
            if [ "$palette" = dark ]; then
                # A dark colour scheme as a KDE desktop keeps it; Qt's desktop support reads it from here.
                printf '%s\n' "[Colors:Window]" "BackgroundNormal=42,46,50" "ForegroundNormal=238,238,238" \
                    "[Colors:View]" "BackgroundNormal=27,30,32" "ForegroundNormal=238,238,238" \
                    "BackgroundAlternate=35,38,41" "[Colors:Button]" "BackgroundNormal=49,54,59" \
                    "ForegroundNormal=238,238,238" "[Colors:Selection]" "BackgroundNormal=61,174,233" \
                    "ForegroundNormal=255,255,255" "[Colors:Tooltip]" "BackgroundNormal=49,54,59" \
                    "ForegroundNormal=238,238,238" >"$home/config/kdeglobals"
                desktop=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5)
            fi
            env HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
                SCREENSHOTS_INSIDE=look SCREENSHOTS_LOOK=$size-$palette LANG=en_US.UTF-8 "${desktop[@]}" \
                env -u LC_ALL xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$build"
        done
    done
    exit 0
fi

# --- inside the virtual display ---------------------------------------------------------------
# There is no window manager here: windows are given the keyboard with "windowfocus", and places are
# clicked at their positions in the 1440x900 window of a fresh start (see POSITIONS below).
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
shot_window() { # ID FILE: the window alone
    import -window "$1" "$2" && say "took $(basename "$2")"
}
shot_screen() { # FILE: the whole display
    import -window root "$1" && say "took $(basename "$1")"
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || true; sleep 0.3; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
# Replaces the text of the field at X Y; "\n" in the text is a new line.
fill() {
    click "$1" "$2"
    xdotool key Escape ctrl+a
    local first=1 line
    while IFS= read -r line; do
        [ $first = 1 ] || xdotool key Return
        xdotool type --delay 20 "$line"
        first=0
    done < <(printf '%b\n' "$3")
}
type_tab() { # types each argument into a field and moves on with Tab
    for text in "$@"; do
        xdotool key ctrl+a
        xdotool type --delay 20 "$text"
        xdotool key Tab
        sleep 0.1
    done
}
answer_box() { # closes a message box, if one came up, with Enter
    sleep 0.7
    local box
    box=$(xdotool search --onlyvisible --name "^Tallywick$" 2>/dev/null | grep -vx "$main" | head -n1 || true)
    [ -n "$box" ] && { focus "$box"; xdotool key Return; sleep 0.5; }
    focus "$main"
}
click_menu() { # MENU_X ITEM_INDEX: opens a menu of the main window's bar and picks its n-th item
    click "$1" 12
    for _ in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
    sleep 1
}

# --- the window's look at one screen size and palette (no clicks: keys only) -----------------------
if [ "$SCREENSHOTS_INSIDE" = look ]; then
    out=$build/screenshots/main-$SCREENSHOTS_LOOK
    "$build/src/tallywick" >/dev/null 2>&1 &
    app=$!
    trap 'kill "$app" 2>/dev/null || true' EXIT
    main=$(wait_for_window Tallywick) || { say "the main window did not appear"; exit 1; }
    sleep 2
    focus "$main"
    xdotool key ctrl+n; sleep 0.5; xdotool type 3; xdotool key Return; sleep 0.3; xdotool key Return; sleep 1
    # The cursor is in row 1's product ID now; Tab walks along a row and on to the next.
    type_tab "P-100" "Oak writing desk, solid oak with two drawers" "2" "150.00" ""
    type_tab "L-220" "Brass desk lamp" "4" "24.50" "10"
    sleep 0.5
    xdotool key ctrl+s
    answer_box
    shot_screen "$out.png"
    xdotool key ctrl+o; sleep 1
    shot_screen "$out-saved-list.png"
    xdotool key Escape; sleep 0.3
    # Row 1's description (the same height at every width), all of it selected, then its edit menu.
    xdotool mousemove 400 431 click 1; sleep 0.3
    xdotool key ctrl+a; sleep 0.2
    xdotool mousemove 400 431 click 3; sleep 1
    shot_screen "$out-edit-menu.png"
    xdotool key Escape
    exit 0
fi

# POSITIONS (x y) in the main window, 1440x900.
company_name=(349 159); company_address=(349 232); tax_name=(332 331); tax_rate=(321 359)
company_save=(261 387); settings_close=(928 97)
einvoice_tab=(384 97); settings1_tab=(132 97); einvoice_save=(141 573)
seller_vat=(384 188); seller_street=(384 287); seller_post_code=(278 332); seller_city=(423 332)
seller_country=(384 360); seller_email=(384 388); currency_code=(830 160); iban=(830 188); bic=(830 216)
due_days=(830 272)
bill_to_name=(373 264); bill_to_address=(385 311)
row_product=(124 431); row_step=23
calculate=(472 631)
save_pdf=(642 16) # in the Browser window
pdf=$HOME/invoice.pdf
status=0

"$build/src/tallywick" >/tmp/tallywick-screenshots.log 2>&1 &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
main=$(wait_for_window Tallywick) || { say "the main window did not appear"; exit 1; }
xdotool windowsize "$main" 1440 900 windowmove "$main" 0 0
sleep 2
focus "$main"
shot_screen "$images/main-window.png"

# Tools -> Settings (the first item of the first menu): the company, saved.
click_menu 20 1
fill "${company_name[@]}" "Harbour Hardware Ltd."
fill "${company_address[@]}" "12 Quay Street, Cork\nTel 021 555 0100"
fill "${tax_name[@]}" "VAT"
fill "${tax_rate[@]}" "23"
click "${company_save[@]}"
answer_box
shot_screen "$images/settings.png"

# Its E-invoice page: what the norm needs of the seller, saved.
click "${einvoice_tab[@]}"
fill "${seller_vat[@]}" "IE6388047V"
fill "${seller_street[@]}" "12 Quay Street"
fill "${seller_post_code[@]}" "T12 X2Y3"
fill "${seller_city[@]}" "Cork"
fill "${seller_country[@]}" "IE"
fill "${seller_email[@]}" "accounts@harbourhardware.ie"
fill "${currency_code[@]}" "EUR"
fill "${iban[@]}" "IE29AIBK93115212345678"
fill "${bic[@]}" "AIBKIE2D"
fill "${due_days[@]}" "30"
click "${einvoice_save[@]}"
answer_box
shot_screen "$images/settings-einvoice.png"
click "${settings1_tab[@]}"
click "${settings_close[@]}"

# Ctrl+N, a count and Enter twice: three new rows.
xdotool key ctrl+n
sleep 0.5
xdotool type 3
xdotool key Return
sleep 0.3
xdotool key Return
sleep 1
shot_screen "$images/new-rows.png"

# The customer and two items, then Calculate.
fill "${bill_to_name[@]}" "Ann Murphy"
fill "${bill_to_address[@]}" "4 Main Street\nKinsale, Co. Cork"
click "${row_product[0]}" "${row_product[1]}"
type_tab "P-100" "Oak writing desk" "2" "150.00"
click "${row_product[0]}" $((row_product[1] + row_step))
type_tab "L-220" "Brass desk lamp" "4" "24.50" "10"
click "${row_product[0]}" $((row_product[1] + 2 * row_step))
type_tab "S-001" "Delivery and assembly" "1" "35.00"
click "${calculate[@]}"
answer_box
sleep 0.5
shot_screen "$images/first-invoice.png"
cp "$images/first-invoice.png" "$here/docs/screenshot.png"

# Ctrl+S stores it; the message that says so is answered.
xdotool key ctrl+s
answer_box

# Ctrl+P builds the page and opens the Browser.
xdotool key ctrl+p
if browser=$(wait_for_window Browser 30); then
    sleep 3
    shot_window "$browser" "$images/browser.png"
    # Save PDF, as a user would after checking the page: the file must hold the invoice.
    focus "$browser"
    xdotool mousemove --window "$browser" "${save_pdf[@]}" click 1
    if dialog=$(wait_for_window "Save PDF" 20); then
        focus "$dialog"
        xdotool key ctrl+a
        xdotool type --delay 20 "$pdf"
        xdotool key Return
        for _ in $(seq 30); do [ -s "$pdf" ] && break; sleep 0.5; done
        sleep 1
        if pdftotext "$pdf" - 2>/dev/null | grep -q "Harbour Hardware" && pdftotext "$pdf" - | grep -q "520.54"; then
            say "the invoice saved as PDF holds the company and the total"
        else
            say "the PDF of the invoice is missing or incomplete"; status=1
        fi
    else
        say "no Save PDF dialog"; status=1
    fi
    xdotool windowclose "$browser" 2>/dev/null || true
    focus "$main"
else
    say "no Browser window: browser.png kept as it was"
fi

# Info -> About (the second item of the second menu).
click_menu 60 2
if about=$(wait_for_window "About Tallywick" 20); then
    sleep 1
    shot_window "$about" "$images/about.png"
else
    say "no About window"
fi
exit $status
