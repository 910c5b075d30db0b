# Sourced by the scripts that run Windows programs: picks the Wine loader and the Windows build
# it can run, makes one Wine prefix under the build tree (once), and a virtual display when there
# is none.
#
# The products are 32-bit (i686). Some kernels cannot start 32-bit Linux programs (32-bit Wine
# then fails with "Exec format error"); there the Windows tests run the same sources built for
# x86_64 under 64-bit Wine.
ZEBO_ROOT=${ZEBO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
if [ -z "${ZEBO_WINE:-}" ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    export ZEBO_WINE=/usr/lib/wine/wine ZEBO_WINARCH=i686
  else
    export ZEBO_WINE=/usr/lib/wine/wine64 ZEBO_WINARCH=x86_64
  fi
fi
export ZEBO_WINBUILD=${ZEBO_WINBUILD:-$ZEBO_ROOT/build/wintest-$ZEBO_WINARCH}
export WINEPREFIX=${WINEPREFIX:-$ZEBO_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# With ZEBO_ARCH_ONLY=1 only the choice of Wine and build is made (for building).
[ -n "${ZEBO_ARCH_ONLY:-}" ] && return 0
zebo_cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "${ZEBO_XVFB_PID:-}" ]; then kill "$ZEBO_XVFB_PID" 2>/dev/null || true; fi
}
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then break; fi
  done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  ZEBO_XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
fi
trap zebo_cleanup EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX (once)"
  mkdir -p "$WINEPREFIX"
  "$ZEBO_WINE" wineboot -i >/dev/null 2>&1
  wineserver -w || true
fi
