#!/usr/bin/env bash
# Server benchmark: search latency and small-call throughput through the wire
# protocol, on a store of 1,000,000 demo stock items.
#
#   bench/run.sh [korvel-bench options]
#
# KORVEL_BENCH_ITEMS (default 1000000) sets the store size, KORVEL_BENCH_DB
# the store file (default /tmp/korvel-bench-<items>.db; generated on the first
# run, reused afterwards), KORVEL_BENCH_BUILD the build directory (default
# build/, the one scripts/build.sh uses).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${KORVEL_BENCH_BUILD:-$ROOT/build}
ITEMS=${KORVEL_BENCH_ITEMS:-1000000}
DB=${KORVEL_BENCH_DB:-/tmp/korvel-bench-$ITEMS.db}

[ -f "$BUILD/build.ninja" ] || cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2 --target korvel-server korvel-bench

LOG=$(mktemp)
if [ ! -s "$DB" ]; then
  echo "Generating $ITEMS stock items into $DB (once; takes minutes)..."
fi
"$BUILD/src/appserver/korvel-server" --db "$DB" --listen 127.0.0.1 --port 0 --web-port 0 --demo "$ITEMS" >"$LOG" 2>&1 &
PID=$!
trap 'kill "$PID" 2>/dev/null || true; wait "$PID" 2>/dev/null || true; rm -f "$LOG"' EXIT

until grep -q "listening port=" "$LOG"; do
  if ! kill -0 "$PID" 2>/dev/null; then
    cat "$LOG" >&2
    exit 1
  fi
  sleep 1
done
grep -v "listening port=" "$LOG" | grep -v XDG_RUNTIME_DIR || true
PORT=$(sed -n 's/.*listening port=\([0-9]*\).*/\1/p' "$LOG")

echo "korvel-server on port $PORT, store $DB ($ITEMS items), $(nproc) cores"
"$BUILD/bench/korvel-bench" --port "$PORT" "$@"
