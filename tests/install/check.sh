#!/usr/bin/env bash
# Checks of what the build installs and packages, one per CTest test.
# Usage: check.sh MODE BUILD_DIR WORK_DIR
#   install       cmake --install into WORK_DIR/prefix
#   find-package  build and run the consumer with find_package
#   pkg-config    build and run the consumer with pkg-config
#   deb           cpack -G DEB, list the package, run the program from it
#   manual        the manual page renders without warnings
set -euo pipefail
mode=$1 build=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
prefix=$work/prefix
consumer_output='      loan|  71.08  |'

fail() { echo "check.sh $mode: $*" >&2; exit 1; }

expect_output() {
    local got
    got=$("$@")
    [ "$got" = "$consumer_output" ] || fail "consumer printed '$got', not '$consumer_output'"
}

case $mode in
install)
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    for file in bin/monthly_payment lib/libConsole_IO_Utility.a include/Console_IO_Utility.h \
                lib/cmake/ConsoleIOUtility/ConsoleIOUtilityConfig.cmake \
                lib/cmake/ConsoleIOUtility/ConsoleIOUtilityConfigVersion.cmake \
                lib/cmake/ConsoleIOUtility/ConsoleIOUtilityTargets.cmake \
                lib/pkgconfig/console-io-utility.pc share/man/man1/monthly_payment.1; do
        [ -f "$prefix/$file" ] || fail "$file is not installed"
    done
    ;;
find-package)
    rm -rf "$work/find-package"
    cmake -S "$here/consumer" -B "$work/find-package" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build "$work/find-package" >/dev/null
    expect_output "$work/find-package/consumer"
    ;;
pkg-config)
    mkdir -p "$work/pkg-config"
    flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs console-io-utility)
    # shellcheck disable=SC2086 # the flags are words
    c++ -std=c++17 "$here/consumer/main.cpp" $flags -o "$work/pkg-config/consumer"
    expect_output "$work/pkg-config/consumer"
    ;;
deb)
    rm -rf "$work/deb"
    (cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
    package=$(ls "$work"/deb/*.deb)
    listing=$(dpkg-deb -c "$package")
    for file in ./usr/bin/monthly_payment ./usr/lib/libConsole_IO_Utility.a \
                ./usr/include/Console_IO_Utility.h ./usr/share/man/man1/monthly_payment.1 \
                ./usr/lib/cmake/ConsoleIOUtility/ConsoleIOUtilityConfig.cmake \
                ./usr/lib/pkgconfig/console-io-utility.pc; do
        grep -q " $file\$" <<<"$listing" || fail "$file is not in the package"
    done
    dpkg-deb -x "$package" "$work/deb/root"
    report=$(printf '900\n100\n12\n1\n' | "$work/deb/root/usr/bin/monthly_payment" | tail -n 20)
    [ "$report" = "$(cat "$here/first_worked_example.report")" ] || fail "unexpected report: $report"
    ;;
manual)
    warnings=$(groff -ww -z -man "$here/../../man/monthly_payment.1" 2>&1)
    [ -z "$warnings" ] || fail "$warnings"
    ;;
*)
    fail "unknown mode"
    ;;
esac
