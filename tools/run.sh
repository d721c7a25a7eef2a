#!/usr/bin/env bash
# Sets everything up (packages, build) and starts the player from its program
# directory build/, whose station list opens with the offline demo clip.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
cmake -G Ninja -B build -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ZadiZAPlayer
exec ./build/ZadiZAPlayer "$@"
