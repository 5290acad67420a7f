#!/usr/bin/env bash
# Renders the bundled sample document to a page file with the command-line tool and prints the
# file's path. Usage: tools/render-sample.sh [BUILD_DIR] [OUTPUT_FILE]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
out=${2:-$build/sample-invoice.htm}
"$build/src/tallywick-cli" --locale en_US render "$here/resources/sample-invoice.json" -o "$out"
echo "$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
