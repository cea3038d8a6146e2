# Helpers of the scripts: build, a virtual display, a warm Wine. Sourced.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/env.sh"
: "${TAVLEN_BUILD:=$here/build}"

# The project version, as CMakeLists.txt writes it once for the whole program.
project_version() {
  sed -n 's/^project(Tavlen VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt"
}

build_windows() {
  cmake -S "$here" -B "$TAVLEN_BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" >/dev/null
  cmake --build "$TAVLEN_BUILD/win" -j"$(nproc)" "$@"
}

build_host() {
  cmake -S "$here/tests/host" -B "$TAVLEN_BUILD/host" >/dev/null
  cmake --build "$TAVLEN_BUILD/host" -j"$(nproc)"
}

# Native clang build of the libFuzzer harnesses of the text helpers.
build_fuzz() {
  cmake -S "$here/tests/fuzz" -B "$TAVLEN_BUILD/fuzz" >/dev/null
  cmake --build "$TAVLEN_BUILD/fuzz" -j"$(nproc)"
}

# Runs every fuzz harness for $1 seconds from its committed seed corpus
# (tests/fuzz/corpus/<harness>/) and the inputs it found before in
# $TAVLEN_BUILD/fuzz/corpus/<harness>/ (a fresh one with --fresh). Prints one
# line per harness; a crash or broken property leaves its reproducer in
# $TAVLEN_BUILD/fuzz/crashes/. Returns non-zero when any harness failed.
run_fuzzers() {
  local seconds=$1 fresh=${2:-} dir="$TAVLEN_BUILD/fuzz" failed=() count=0 name bin log runs
  mkdir -p "$dir/crashes" "$dir/logs"
  for bin in "$dir"/Fuzz*; do
    [ -x "$bin" ] && [ -f "$bin" ] || continue
    name=$(basename "$bin")
    count=$((count + 1))
    [ "$fresh" = --fresh ] && rm -rf "$dir/corpus/$name"
    mkdir -p "$dir/corpus/$name"
    log="$dir/logs/$name.log"
    if "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
         -artifact_prefix="$dir/crashes/$name-" "$dir/corpus/$name" "$here/tests/fuzz/corpus/$name" >"$log" 2>&1; then
      runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
      printf '  %-20s %10s runs, no failure\n' "$name" "${runs:-?}"
    else
      failed+=("$name")
      printf '  %-20s FAILED (log %s)\n' "$name" "$log"
      grep -E '^(property broken|==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -n 5 | sed 's/^/    /'
      sed -n 's/^.*Test unit written to \(.*\)$/    reproducer: \1/p' "$log"
    fi
  done
  if [ "$count" -eq 0 ]; then
    echo "fuzz: no harness built in $dir"
    return 1
  fi
  if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: ${#failed[@]} of $count harnesses FAILED: ${failed[*]}"
    return 1
  fi
  echo "fuzz: all $count harnesses passed, ${seconds} s each"
}

# Starts a private X server when there is no display (or when asked to).
start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--own" ]; then return; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.05
    done
    export DISPLAY=":$n"
    return
  done
  echo "no free display number" >&2
  return 1
}

stop_display() {
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}

# A running wineserver and a warm Wine, detached from our pipes, so that each
# program starts in a fraction of a second.
start_wine() {
  wineserver -p </dev/null >/dev/null 2>&1 &
  wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}
