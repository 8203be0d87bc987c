#!/bin/sh
# Draws docs/motion-window.png: the main window and the motion window after a
# scripted session, offscreen. Run from the repository after `cmake --preset dev`.
set -e
cd "$(dirname "$0")/.."
cmake --build --preset dev --target lodarix-screenshot
QT_QPA_PLATFORM=offscreen build/docs/lodarix-screenshot docs/motion-window.png
echo "written: docs/motion-window.png"
