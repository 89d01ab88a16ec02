#!/usr/bin/env bash
# Installs, builds and starts a program in its demo program folder.
# Usage: tools/run-trainer.sh [Varnel|Vuvuzodi]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
case "${1:-Varnel}" in
  Varnel) exec build/varnel-demo/Varnel ;;
  Vuvuzodi) exec build/vuvuzodi-demo/Vuvuzodi ;;
  *) echo "usage: $0 [Varnel|Vuvuzodi]" >&2; exit 2 ;;
esac
