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
