#!/usr/bin/env bash
# Installs what is missing, builds Kestrav and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_packages
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$KESTRAV_ROOT/build/bin/kestrav"
