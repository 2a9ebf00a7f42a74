#!/usr/bin/env bash
# The main job: set up, build, and run the demo script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
cd "$root/examples"
"$root/build/bin/kestrune" demo.lua
# Creates an illustrated report, renders its first page and reads it back.
"$root/build/bin/kestrune" report.lua "$root/build/report"
