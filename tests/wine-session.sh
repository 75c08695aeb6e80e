#!/bin/sh
# Runs the Windows build under Wine, in a Wine prefix of the build's own:
#   wine-session.sh PREFIX start              make the prefix if need be; keep a wineserver up
#   wine-session.sh PREFIX run EXE [ARG...]   run EXE in that prefix
#   wine-session.sh PREFIX stop               stop the wineserver and all the prefix's processes
set -eu
export WINEPREFIX="$1"
action="$2"
shift 2
# Wine's own diagnostics would mix with what the program writes on standard error.
export WINEDEBUG=-all
# Making a prefix would otherwise try to download .NET and a browser engine.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Where the kernel cannot run 32-bit programs and qemu runs Wine's loader
# instead, Wine needs the emulated address space to reach just past 2 GiB, and
# each gigabyte more costs seconds at the start of every process.
export QEMU_RESERVED_VA=0x81000000

case "$action" in
start)
  mkdir -p "$WINEPREFIX"
  wineserver -k 2>/dev/null || true
  # Not tied to the caller's output: a test runner waits for that to close.
  wineserver -p </dev/null >/dev/null 2>&1
  if ! wineboot -i >"$WINEPREFIX.log" 2>&1; then
    cat "$WINEPREFIX.log"
    exit 1
  fi
  ;;
run) exec wine "$@" ;;
stop) wineserver -k 2>/dev/null || true ;;
*)
  echo "usage: wine-session.sh PREFIX start|run EXE [ARG...]|stop" >&2
  exit 2
  ;;
esac
