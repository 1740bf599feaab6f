# Sourced by the scripts that run Windows programs: a private Wine prefix in
# the build folder and a private Xvfb display, both cleaned up by qv_wine_stop.
# Only what these functions started is stopped.
qv_root=${qv_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$qv_root/build/wineprefix}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
# Fixed locale so dates, times and number formats are the same on every machine.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC
QV_SCREEN=${QV_SCREEN:-1024x768x24}

# Starts Xvfb on a free display and exports DISPLAY.
qv_xvfb_start() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$QV_SCREEN" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  QV_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  export DISPLAY=:$(head -n1 "$fdfile")
  rm -f "$fdfile"
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
}

# Starts Wine's helper processes detached from any pipe: a test runner that
# waits on its children's output would otherwise hang on them.
qv_wine_prime() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

qv_wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  if [ -n "${QV_XVFB_PID:-}" ]; then
    kill "$QV_XVFB_PID" 2>/dev/null || true
    wait "$QV_XVFB_PID" 2>/dev/null || true
    QV_XVFB_PID=
  fi
}
