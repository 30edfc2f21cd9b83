#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting under a virtual X server (xvfb-run)." >&2
    echo "On a desktop, run build/ui/quendrel directly." >&2
    exec xvfb-run -a build/ui/quendrel
fi
exec build/ui/quendrel
