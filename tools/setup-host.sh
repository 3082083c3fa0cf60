#!/usr/bin/env bash
# Installs what building, running and testing Glyphbox needs, where it is missing, and
# generates the Japanese locale that makes Wine's ANSI code page 932. Safe to run again.
set -euo pipefail

packages=(cmake make mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils
          imagemagick locales fonts-ipafont-gothic fonts-ipafont-mincho googletest python3
          python3-fonttools fonts-wine clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=()
[ "$(id -u)" = 0 ] || sudo=(sudo)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Without ja_JP.UTF-8 Wine falls back to code page 1252.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "Generating the ja_JP.UTF-8 locale"
  "${sudo[@]}" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
