#!/bin/sh
# Installs the Debian package into a clean Debian 12 root and runs it there, as on a fresh machine.
# Usage (as root): tools/check-deb.sh PACKAGE.deb [ROOT]
# ROOT is made with debootstrap when missing (minbase bookworm, about 300 MB).
set -eu
deb=$(readlink -f "$1")
root=${2:-/tmp/tallywick-bookworm}
mirror=${MIRROR:-http://deb.debian.org/debian}
if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" "$mirror"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true' EXIT
cp "$deb" "$root/tmp/"
name=$(basename "$deb")
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./tmp/$name" >/dev/null
chroot "$root" sh -c 'cd /tmp && HOME=/tmp/home tallywick-cli --version'
chroot "$root" sh -c 'HOME=/tmp/home tallywick-cli company'
chroot "$root" sh -c 'HOME=/tmp/home QT_QPA_PLATFORM=offscreen timeout 20 tallywick & sleep 8; kill $! 2>/dev/null; \
    test -e /tmp/home/.local/share/Tallywick/Tallywick/tallywick.mdb && echo "tallywick started and made its database"'
# The command-line route to a printed page: the bundled sample invoice as a PDF.
cp "$(dirname "$0")/../resources/sample-invoice.json" "$root/tmp/"
chroot "$root" sh -c 'cd /tmp && HOME=/tmp/home timeout 120 tallywick-cli render sample-invoice.json --pdf invoice.pdf' 2>/dev/null
head -c 5 "$root/tmp/invoice.pdf" | grep -q '%PDF-' && echo "tallywick-cli printed the sample invoice to PDF"
test -e "$root/usr/share/applications/org.tallywick.Tallywick.desktop"
test -e "$root/usr/share/tallywick/guide/index.html"
echo "check-deb: $name installs and runs on Debian 12"
