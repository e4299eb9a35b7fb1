#!/usr/bin/env bash
# Client benchmark: Enter-to-painted-grid time and resident memory of the
# dealer client on the 1,000,000-item catalogue.
#
#   bench/client/run.sh [korvel-client-bench options]
#
# Runs the server twice on the same store: with --search-limit 1000 (time for
# a 1,000-row result) and with --search-limit 10000 (memory with 10,000 rows
# shown). The store (KORVEL_BENCH_DB, default
# /tmp/korvel-client-bench-<items>.db) is generated on first use; this computer is
# registered in it as the demo dealer "bayi3". KORVEL_BENCH_BUILD names the
# build directory (default build/).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${KORVEL_BENCH_BUILD:-$ROOT/build}
ITEMS=${KORVEL_BENCH_ITEMS:-1000000}
DB=${KORVEL_BENCH_DB:-/tmp/korvel-client-bench-$ITEMS.db}
QUERY=${KORVEL_BENCH_QUERY:-FREN}

[ -f "$BUILD/build.ninja" ] || cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2 --target korvel-server korvel-kimlik korvel-client-bench

SERVER="$BUILD/src/appserver/korvel-server"
LOG=$(mktemp)
PID=
stop() { [ -n "$PID" ] && { kill "$PID" 2>/dev/null || true; wait "$PID" 2>/dev/null || true; }; PID=; }
trap 'stop; rm -f "$LOG"' EXIT

start() {   # start <search limit>
  : >"$LOG"
  "$SERVER" --db "$DB" --listen 127.0.0.1 --port 0 --web-port 0 --demo "$ITEMS" --search-limit "$1" >"$LOG" 2>&1 &
  PID=$!
  until grep -q "listening port=" "$LOG"; do
    kill -0 "$PID" 2>/dev/null || { cat "$LOG" >&2; exit 1; }
    sleep 1
  done
  PORT=$(sed -n 's/.*listening port=\([0-9]*\).*/\1/p' "$LOG")
  WEB=$(sed -n 's/.*web=\([0-9]*\).*/\1/p' "$LOG")
}

[ -s "$DB" ] || echo "Generating $ITEMS stock items into $DB (once; takes minutes)..."
start 1000
"$SERVER" --db "$DB" admin register bayi3 "$("$BUILD/src/client/korvel-kimlik")" "client benchmark" >/dev/null

run() {
  KORVEL_SERVER=127.0.0.1:$PORT KORVEL_WEB=http://127.0.0.1:$WEB/ KORVEL_GIRIS=bayi3:1234 \
    QT_QPA_PLATFORM=offscreen "$BUILD/bench/client/korvel-client-bench" --sorgu "$QUERY" "$@"
}

echo "== search limit 1000 ($ITEMS items, $(nproc) cores)"
run "$@"
echo "== search limit 1000, narrow window (price information cell)"
run --genislik 1100 --tekrar 10 "$@"
stop
start 10000
echo "== search limit 10000"
run --tekrar 5 "$@"
