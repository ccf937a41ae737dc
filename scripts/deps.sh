#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
# The workbench and installer need Qt 6; their headless tests and screenshots
# need Xvfb and a CJK font; the desktop registration tests need the
# freedesktop.org tools; the Windows engine is cross-built with mingw-w64
# and tested under wine64; lld links the engine with its hot code grouped.
# "deps.sh engine" installs only what building the engine alone needs.
set -euo pipefail
packages=(cmake ninja-build g++ lld)
if [ "${1:-all}" != engine ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev python3-cram
    qt6-base-dev libqscintilla2-qt6-dev xvfb xauth fonts-noto-cjk
    desktop-file-utils shared-mime-info xdg-utils xdg-user-dirs dpkg-dev
    g++-mingw-w64-x86-64-posix wine64)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
