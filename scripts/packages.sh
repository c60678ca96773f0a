# Package lists shared by run.sh and test.sh.
KALDORO_BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev
                        qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
                        libgtest-dev libgmock-dev libbenchmark-dev libcsv-dev libarchive-dev
                        fonts-liberation2 fonts-dejavu-core)
# clang, libFuzzer and compiler-rt build the loader fuzzer; valgrind runs memcheck.
KALDORO_TEST_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick xclip tzdata desktop-file-utils
                       clang libfuzzer-14-dev libclang-rt-14-dev valgrind)
