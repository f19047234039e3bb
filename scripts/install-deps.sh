#!/usr/bin/env bash
# Installs every Debian 12 package the editor needs to build, run, test and package,
# and generates the locales the tests format dates under. Safe to run again.
set -euo pipefail

packages=(
  g++ clang cmake ninja-build pkg-config
  qt6-base-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
  xvfb xauth locales tzdata fonts-dseg
  desktop-file-utils appstream dpkg-dev file
)
locales_needed=(en_US.UTF-8 en_GB.UTF-8 es_ES.UTF-8 de_DE.UTF-8)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

regenerate=0
for l in "${locales_needed[@]}"; do
  if ! grep -qE "^${l//./\\.} UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "$l UTF-8" >>/etc/locale.gen
    regenerate=1
  fi
  locale -a 2>/dev/null | grep -qi "^${l%%.*}\.utf-\?8$" || regenerate=1
done
if ((regenerate)); then
  locale-gen >/dev/null
fi
