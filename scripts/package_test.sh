#!/usr/bin/env bash
# Builds the Debian package from a build tree, installs it on this machine with
# dpkg and checks the installed system: the programs through /usr/bin, the
# desktop entry, and the group association after VDSetup has run for a user.
#   scripts/package_test.sh [build directory, default build/release]
# Needs root (dpkg -i); leaves the package installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && nice -n 10 cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/veldra_*.deb | head -n 1)
echo "package: $deb"
dpkg-deb -f "$deb" Depends
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" >/dev/null ||
  fail "installing the package"
dpkg -s veldra | grep -q '^Status: install ok installed' || fail "dpkg -s veldra"

version=$(/usr/bin/mora -vd1 -nd -nh 'echo $version')
echo "mora: $version"
[[ "$version" == MORA\ Version* ]] || fail "mora version"
if [ -e /usr/lib/veldra/VeldraC ]; then
  wb=$(QT_QPA_PLATFORM=offscreen /usr/bin/VeldraC --version)
  echo "VeldraC --version: $wb"
  [ -n "$wb" ] || fail "VeldraC --version"
fi
desktop-file-validate /usr/share/applications/veldrac.desktop || fail "desktop-file-validate"
man -w mora >/dev/null || fail "man page"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Desktop"
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" TMPDIR="$home"
/usr/bin/VDSetup --unattended || fail "VDSetup --unattended"
default=$(xdg-mime query default application/x-veldra-group)
echo "xdg-mime query default application/x-veldra-group: $default"
[ "$default" = veldrac.desktop ] || fail "default application"
desktop-file-validate "$XDG_DATA_HOME/applications/veldrac.desktop" || fail "user desktop entry"
/usr/bin/VDSetup /r --unattended | grep -q 'sudo apt remove veldra' || fail "uninstall notice"
[ -x /usr/lib/veldra/VDSetup ] || fail "uninstall removed files that dpkg owns"
[ -z "$(find "$home" -mindepth 1 ! -path "$home/Desktop")" ] || fail "uninstall left files in the home"
echo "package test passed"
