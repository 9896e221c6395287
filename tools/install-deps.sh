#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Does nothing when they are all there already.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev libgl-dev qt6-5compat-dev
  libpoco-dev
  libgtest-dev libgmock-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
  fonts-morisawa-bizud-mincho fonts-aoyagi-kouzan-t
  poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
