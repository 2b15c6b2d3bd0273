# Shared by the project's scripts: where things are, and installing what is missing.
# shellcheck shell=bash
DROVIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# DROVIK_BUILD_DIR lets several checkouts' worth of work share one tree without sharing builds.
DROVIK_BUILD_DIR=${DROVIK_BUILD_DIR:-$DROVIK_ROOT/build}
case $DROVIK_BUILD_DIR in /*) ;; *) DROVIK_BUILD_DIR=$DROVIK_ROOT/$DROVIK_BUILD_DIR ;; esac
DROVIK_HOST_TREE=$DROVIK_BUILD_DIR/host
DROVIK_WIN_TREE=$DROVIK_BUILD_DIR/windows
DROVIK_RELEASE_TREE=$DROVIK_BUILD_DIR/release
DROVIK_DIST_DIR=$DROVIK_BUILD_DIR/dist
DROVIK_WINEPREFIX=${DROVIK_WINEPREFIX:-$DROVIK_BUILD_DIR/wine/prefix}
export DROVIK_WINEPREFIX

# Debian packages the build, the tests and the demo need.
DROVIK_PACKAGES=(
  cmake ninja-build g++ clang make pkg-config
  mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth x11-apps imagemagick fonts-wqy-microhei fonts-dejavu-core
  fonts-wine fonts-liberation libxrender1 libxcursor1 libxi6 libxrandr2 libxinerama1 libxcomposite1
  libxfixes3
  googletest libgtest-dev libbenchmark-dev libpugixml-dev
  librsvg2-bin python3 iproute2 procps psmisc
  wixl msitools osslsigncode openssl zip
)

drovik_say() { printf '[drovik] %s\n' "$*" >&2; }

# Installs the packages that are missing; does nothing (and no network work) when all are there.
drovik_install_deps() {
  local missing=() pkg
  for pkg in "${DROVIK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  drovik_say "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    drovik_say "need root to install packages"; return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  # With their recommendations: Wine draws and renders text with them (its own fonts, the X
  # rendering extensions), and the tests' looks depend on that.
  apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Wine without prompts or noise: no Mono or Gecko installers, no debug channels.
drovik_wine_env() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the project's Wine prefix once, so that tests running side by side do not race to make it.
drovik_wine_prefix() {
  drovik_wine_env
  if [ ! -f "$DROVIK_WINEPREFIX/system.reg" ]; then
    drovik_say "creating Wine prefix $DROVIK_WINEPREFIX"
    mkdir -p "$(dirname "$DROVIK_WINEPREFIX")"
    WINEPREFIX=$DROVIK_WINEPREFIX wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX=$DROVIK_WINEPREFIX wineserver -w
  fi
  drovik_wine_settings
}

# Prefix settings the windows rely on, applied once per prefix: no window manager (Wine's X11
# driver otherwise waits up to 2 s for one each time a window is hidden), and a CJK font linked to
# Tahoma, the fallback face of the skin's texts, so that Chinese texts get real glyphs.
drovik_wine_settings() {
  local marker=$DROVIK_WINEPREFIX/.drovik-settings-1
  [ -f "$marker" ] && return 0
  WINEPREFIX=$DROVIK_WINEPREFIX wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX=$DROVIK_WINEPREFIX wine reg add \
    'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0SIMSUN.TTC,SimSun\0MINGLIU.TTC,PMingLiU' \
    /f >/dev/null 2>&1
  WINEPREFIX=$DROVIK_WINEPREFIX wineserver -w
  touch "$marker"
}

# The screens other than 96 DPI that the layout tests run at, each in its own prefix.
DROVIK_TEST_DPIS=(120 144 192)
DROVIK_WINE_SERVED=()

# A copy of the project's prefix whose screen has `dpi` dots per inch (LogPixels, which Wine reads
# when a process starts), made once per build tree; prints its path. The windows of a program run
# in it are laid out at that DPI.
drovik_dpi_prefix() {
  local dpi=$1 prefix=$DROVIK_WINEPREFIX-dpi$1
  if [ ! -f "$prefix/.drovik-dpi" ]; then
    drovik_wine_prefix
    rm -rf "$prefix"
    cp -a "$DROVIK_WINEPREFIX" "$prefix"
    WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.drovik-dpi"
  fi
  printf '%s\n' "$prefix"
}

# Starts a private headless X server unless one is given; sets DISPLAY. Stopped by drovik_stop_xvfb.
# DROVIK_SCREEN sets its screen (WIDTHxHEIGHTxDEPTH, 1280x1024x24 by default): a window at 150 %
# needs a larger one.
# Scripts run side by side: a server that lost the race for its number to another one gives up, and
# the next number is tried, so that no two scripts share a display unknowingly.
drovik_start_xvfb() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=$(( 90 + RANDOM % 400 )) attempt i
  for attempt in 1 2 3 4 5; do
    while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${DROVIK_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
    DROVIK_XVFB_PID=$!
    for i in $(seq 50); do
      kill -0 "$DROVIK_XVFB_PID" 2>/dev/null || break
      if [ -e "/tmp/.X11-unix/X$n" ] && [ "$(cat "/tmp/.X$n-lock" 2>/dev/null | tr -d ' ')" = "$DROVIK_XVFB_PID" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$DROVIK_XVFB_PID" 2>/dev/null
    n=$((n + 1 + RANDOM % 50))
  done
  drovik_say "no headless X server could be started"
  return 1
}

drovik_stop_xvfb() {
  [ -n "${DROVIK_XVFB_PID:-}" ] && kill "$DROVIK_XVFB_PID" 2>/dev/null || true
}

# Wine's server for the project's prefix, started once for a test run and stopped at its end
# (drovik_stop_wineserver); needs the display first. Whatever process starts the server, the
# prefix's system processes (services, the desktop) inherit its standard error and keep it open as
# long as they live: started by a test, they hold that test's output pipe, and ctest waits for the
# pipe, not for the test. So the server and the system processes start here, detached, with nothing
# of ours open, and stay: the server is persistent, and a console process waiting on a FIFO that
# never ends keeps the desktop in use. (A persistent server alone is not enough: the first test then
# starts the system processes, which never end, and that test hangs until its timeout.) While it
# runs, "wineserver -w" on this prefix never returns: kill it instead.
drovik_start_wineserver() { # [prefix], the project's by default
  local prefix=${1:-$DROVIK_WINEPREFIX} fifo
  drovik_wine_env
  fifo=$(mktemp -u /tmp/drovik-wine-keeper.XXXXXX)
  mkfifo "$fifo"
  WINEPREFIX=$prefix setsid wineserver -p </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix setsid wine cmd /q <>"$fifo" >/dev/null 2>&1 &
  WINEPREFIX=$prefix setsid wine rundll32 user32.dll,MessageBeep </dev/null >/dev/null 2>&1
  DROVIK_WINE_SERVED+=("$prefix|$fifo")
}
# Stops every server drovik_start_wineserver started.
drovik_stop_wineserver() {
  local served
  for served in "${DROVIK_WINE_SERVED[@]}"; do
    WINEPREFIX=${served%%|*} wineserver -k 2>/dev/null
    rm -f "${served#*|}"
  done
  DROVIK_WINE_SERVED=()
}
