# The Debian packages the game needs to build and run, and those its tests need besides.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libqt6sql6-sqlite libgl-dev
                libfluidsynth-dev timgm6mb-soundfont fonts-dejavu-core)
# The package check makes the Debian package (dpkg-shlibdeps, file), validates its menu entry and
# AppStream data, and runs lintian on it.
TEST_PACKAGES=(libgtest-dev libgmock-dev dpkg-dev file desktop-file-utils appstream lintian)
