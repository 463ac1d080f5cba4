# Sourced by the tests that start the installed programs with the project's
# Xvfb helpers (tests/xvfb_lib.sh): this tree configured in a scratch
# folder gives the programs' declared facts (programs/*.env), and the X
# client with which the helpers close windows is built there
# (tests/xwindow.cpp). Sets KALUMET_FACTS and XWINDOW.
set -u
declared=${AUTOPKGTEST_TMP:-$(mktemp -d)}/declared
mkdir -p "$declared"
{ cmake -S . -B "$declared" -DDPKG_BUILDFLAGS=OFF && cmake --build "$declared" --target xwindow; } \
    >"$declared.log" 2>&1 || { cat "$declared.log"; echo "FAILED: configuring the tree"; exit 1; }
export KALUMET_FACTS="$declared/programs" XWINDOW="$declared/tests/xwindow"
