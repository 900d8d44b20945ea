# The Debian packages the drill needs to build, run and be tested.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev
                fonts-ipafont-gothic poppler-utils)
# Only where the program is looked at on a private display.
SCREENSHOT_PACKAGES=(xvfb xdotool imagemagick openbox)
