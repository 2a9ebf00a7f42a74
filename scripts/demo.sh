#!/usr/bin/env bash
# The main job: set up, build, and run the demo script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
cd "$root/examples"
"$root/build/bin/kestrune" demo.lua
