#!/usr/bin/env bash
# Kavrine's two commands:
#   ./kv.sh run [FILE]   install what is missing, build optimised, start the program
#   ./kv.sh test         install what is missing, build with sanitizers, run every test headless
#   ./kv.sh bench        build and run the benchmarks
#   ./kv.sh fuzz [SECONDS] build the fuzz targets with clang and libFuzzer, fuzz each for SECONDS
#                        (180; 0 only builds them)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

packages=(
  cmake ninja-build g++ ccache pkg-config poppler-utils fonts-dejavu-core
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libqhull-dev
  ghostscript libxml2-utils librsvg2-bin
  texlive-pictures texlive-latex-base texlive-latex-extra
  imagemagick
  emf2svg
)

missing_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

install_missing() {
  local missing
  missing="$(missing_packages)"
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "kv.sh: these packages are missing: $missing" >&2
    echo "kv.sh: install them with: sudo apt-get install $missing" >&2
    exit 1
  fi
  echo "kv.sh: installing $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
}

jobs() { nproc 2>/dev/null || echo 2; }

configure_and_build() {
  local dir="$1"; shift
  # The compiler cache hashes paths below the root as relative ones, so another checkout of the
  # same sources (a CI clone, say) reuses what this one compiled.
  export CCACHE_BASEDIR="$root"
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(jobs)"
}

command="${1:-}"
case "$command" in
  run)
    shift
    install_missing
    configure_and_build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_TESTS=OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "kv.sh: there is no display to show the program on." >&2
      echo "kv.sh: run it under a virtual display, for example: xvfb-run -a ./kv.sh run ${*:-}" >&2
      exit 1
    fi
    exec build/release/app/kavrine "$@"
    ;;
  test)
    install_missing
    configure_and_build build/test -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_TESTS=ON
    export QT_QPA_PLATFORM=offscreen
    # Leaks are reported, except memory the system libraries keep until the process ends.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    cd build/test
    ctest --output-on-failure -j "$(jobs)" --timeout 600
    ;;
  fuzz)
    seconds="${2:-180}"
    # clang and its runtime libraries (libFuzzer comes with libclang-rt-14-dev on Debian 12).
    packages+=(clang libclang-rt-14-dev)
    install_missing
    CC=clang CXX=clang++ configure_and_build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_TESTS=OFF -DKV_FUZZ=ON
    # 0 seconds: only built (libFuzzer would take 0 for no limit at all).
    [ "$seconds" = 0 ] && exit 0
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # Each target grows its own working corpus in build/fuzz/corpus/NAME from the committed one; an
    # input that ends the run is left in build/fuzz/findings/NAME. One process at a time.
    for program in build/fuzz/fuzz/*_fuzz; do
      name="$(basename "$program" _fuzz)"
      work="build/fuzz/corpus/$name"
      findings="build/fuzz/findings/$name"
      mkdir -p "$work" "$findings"
      inputs=("fuzz/corpus/$name/seeds")
      [ -d "fuzz/corpus/$name/found" ] && inputs+=("fuzz/corpus/$name/found")
      echo "kv.sh: fuzzing $name for $seconds s"
      "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$findings/" \
        "$work" "${inputs[@]}" || echo "kv.sh: $name stopped on a finding (see $findings)"
    done
    ;;
  bench)
    install_missing
    configure_and_build build/bench -DCMAKE_BUILD_TYPE=Release -DKV_TESTS=OFF -DKV_BENCHMARKS=ON
    for b in build/bench/benchmarks/*_bench; do [ -x "$b" ] && "$b"; done
    ;;
  *)
    echo "usage: ./kv.sh run [FILE] | ./kv.sh test | ./kv.sh bench | ./kv.sh fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
