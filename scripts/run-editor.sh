#!/usr/bin/env bash
# Installs what the editor needs, builds it and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" release
exec "$root/build/release/app/orvex-editor"
