#!/bin/sh
# Installs what is missing, builds, and shows the demo book.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh default
exec scripts/show-demo.sh
