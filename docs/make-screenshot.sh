#!/bin/sh
# Draws the README's pictures offscreen: docs/motion-window.png, the main window
# and the motion window after a scripted session, and docs/code-window.png, the
# main window and the code window part-way through a pick run line by line.
# Run from the repository after `cmake --preset dev`.
set -e
cd "$(dirname "$0")/.."
cmake --build --preset dev --target lodarix-screenshot
QT_QPA_PLATFORM=offscreen build/docs/lodarix-screenshot docs/motion-window.png
QT_QPA_PLATFORM=offscreen build/docs/lodarix-screenshot --code docs/code-window.png
echo "written: docs/motion-window.png docs/code-window.png"
