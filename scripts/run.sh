#!/usr/bin/env bash
# Installs the dependencies, builds VELOR and starts it with its shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/velor ]; then
  exec build/bin/velor "$@"
else
  exec build/bin/velor-cli --help
fi
