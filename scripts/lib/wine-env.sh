# Sourced by the scripts: a private Wine prefix under build/, one long-lived wineserver for it,
# and a private Xvfb display when asked for one.
#   zorvi_wine_start [xvfb]   start (and create the prefix on first use)
#   zorvi_wine_stop           stop what zorvi_wine_start started

zorvi_root=${zorvi_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
# ZORVI_WINEPREFIX gives a run its own prefix, so that runs in parallel never share a desktop.
export WINEPREFIX=${ZORVI_WINEPREFIX:-$zorvi_root/build/wine-prefix}
export WINEDEBUG=-all
export WINEARCH=win64
export LANG=${ZORVI_LANG:-zh_CN.UTF-8}
zorvi_wine=/usr/lib/wine/wine64
zorvi_xvfb_pid=
zorvi_started_server=0
zorvi_keeper_pid=

zorvi_start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    zorvi_xvfb_pid=$!
    local i
    for i in $(seq 50); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$fdfile")"
    rm -f "$fdfile"
}

# A wineserver runs in a folder named after the prefix's device and inode.
zorvi_wineserver_running() {
    local id pid
    id=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
    for pid in $(pgrep -x wineserver64) $(pgrep -x wineserver); do
        [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == */"$id" ]] && return 0
    done
    return 1
}

# Detached with its own stdio: a wineserver that inherits a pipe keeps ctest waiting forever.
# One already serving this prefix (another run's) is shared and left to whoever started it.
zorvi_start_wineserver() {
    zorvi_wineserver_running && return
    setsid /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 &
    zorvi_started_server=1
    # Wait for it: a Wine program started before it is up starts a second server of its own.
    local i
    for i in $(seq 50); do
        zorvi_wineserver_running && break
        sleep 0.1
    done
}

# Wine's RPC service, on which the browser control's running object table rests, set to start
# with the services. Left to be started on demand it is not there in time, and every process's
# first navigation waits 3 to 10 s for RPC_S_SERVER_UNAVAILABLE.
zorvi_start_rpc_with_services() {
    "$zorvi_wine" reg add 'HKLM\System\CurrentControlSet\Services\RpcSs' /v Start /t REG_DWORD /d 2 /f \
        </dev/null >/dev/null 2>&1 || true
}

zorvi_wine_start() {
    [ "${1:-}" = xvfb ] && zorvi_start_xvfb
    mkdir -p "$WINEPREFIX"
    zorvi_start_wineserver
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # No Mono or Gecko install prompts: they cannot be installed here and would wait forever.
        WINEDLLOVERRIDES="mscoree=;mshtml=" "$zorvi_wine" wineboot -i </dev/null >/dev/null 2>&1 || true
        zorvi_start_rpc_with_services
        # The session that made the prefix never answers the running object table, even with the
        # RPC service running in it: end it, and the run goes on in a new one.
        /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
        /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
        zorvi_start_wineserver
    fi
    # Without a window manager, Wine's managed windows wait 2 s each time one closes (every
    # answered message box); unmanaged ones close at once. This also warms the server up.
    "$zorvi_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
    # A crashing program ends with its exception code instead of waiting on a crash dialog that
    # nobody sees.
    "$zorvi_wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || true
    # The HTML engine (mshtml with Gecko) stays off, as at prefix creation: Gecko cannot be installed
    # here, and a Wine build that offers to install it waits on its dialog when a page first loads.
    # The browser control itself still navigates and reports its events without it.
    "$zorvi_wine" reg add 'HKCU\Software\Wine\DllOverrides' /v mshtml /d '' /f </dev/null >/dev/null 2>&1 || true
    # A prefix made before the RPC service started with the services gets it now, for this session
    # too.
    zorvi_start_rpc_with_services
    "$zorvi_wine" net start RpcSs </dev/null >/dev/null 2>&1 || true
    # Start Wine's desktop now, detached, and keep it for the whole run: a desktop started by a test
    # under ctest holds the test's output pipe, and ctest waits until it ends (about 20 s a test).
    local keeper="$zorvi_root/build/x86_64/bin/desktop_keeper.exe"
    if [ -n "${DISPLAY:-}" ] && [ -f "$keeper" ]; then
        setsid "$zorvi_wine" "$keeper" </dev/null >/dev/null 2>&1 &
        zorvi_keeper_pid=$!
        sleep 1
    fi
}

zorvi_wine_stop() {
    [ -n "$zorvi_keeper_pid" ] && { kill "$zorvi_keeper_pid" 2>/dev/null || true; }
    [ "$zorvi_started_server" = 1 ] && { /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; }
    if [ -n "$zorvi_xvfb_pid" ]; then
        kill "$zorvi_xvfb_pid" 2>/dev/null || true
        wait "$zorvi_xvfb_pid" 2>/dev/null || true
    fi
}
