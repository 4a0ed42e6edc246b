#!/usr/bin/env bash
# Installs what building, testing and running need on a Debian machine (as root or with sudo).
set -euo pipefail
PACKAGES=(build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          qt6-base-dev qt6-svg-dev qt6-charts-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
          libgl-dev locales clang libclang-rt-dev)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# A comma-decimal locale lets the tests prove that numbers ignore the process locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  if [ -f /etc/locale.gen ]; then
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null || echo "warning: locale-gen failed; locale tests will be skipped"
  fi
fi
