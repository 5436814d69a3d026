#!/usr/bin/env bash
# Installs everything VELOR needs to build, run and test, from Debian 12's packages.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  g++ cmake ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 libgtest-dev libgmock-dev libbenchmark-dev \
  libxkbcommon-dev fonts-dejavu-core qt6-qpa-plugins >/dev/null
