# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages the drill needs to build and run (Qt's translations
# make its own dialogs speak Japanese; the SQLite driver keeps the private
# record).
BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-multimedia-dev fonts-ipafont-gothic qt6-translations-l10n
                libqt6sql6-sqlite)
# Needed besides by the tests: the test and benchmark frameworks, Qt's SVG
# module for the asset generator, and the tools that check the installed
# tree, the desktop files and the package; pdftotext reads worksheets back;
# sqlite3 holds a record locked.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev qt6-svg-dev desktop-file-utils appstream man-db groff-base dpkg-dev file
               poppler-utils sqlite3)
# Only where the program is looked at on a private display.
SCREENSHOT_PACKAGES=(xvfb xdotool imagemagick openbox)
# The browser build: the WebAssembly compiler and the Node.js that runs its
# optimiser (with acorn), the font tools that cut the Japanese fonts down,
# and the fonts themselves. npm comes with some builds of Node.js and is a
# package of its own in Debian's: see build-web.sh.
WEB_PACKAGES=(emscripten node-acorn nodejs cmake make python3-fonttools python3-brotli fonts-ipafont-gothic)
# The browser tests: real browsers from Debian, never downloaded ones,
# WebKit on a private X display, and the system's table of file types that
# their server sends. npm comes as build-web.sh finds it.
WEB_TEST_PACKAGES=(nodejs chromium webkit2gtk-driver libwebkit2gtk-4.1-0 xvfb media-types)
