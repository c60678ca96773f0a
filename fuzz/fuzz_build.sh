# Sourced by the fuzz scripts: fuzz_build [TARGET...] configures the fuzzers'
# own clang build in $build (ccache when there is one) and builds the targets
# named, or all of them.
fuzz_build() {
  local launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    "${launcher[@]}" >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$build" --target "$@"
  else
    cmake --build "$build"
  fi
}
