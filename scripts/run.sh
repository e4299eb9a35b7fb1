#!/usr/bin/env bash
# Quick start: installs what is missing, builds, starts korvel-server on its
# embedded SQLite store with demo data, registers this machine for a demo
# user and starts the desktop client. Closing the client stops the server.
#
#   KORVEL_DEMO_USER  demo user this workstation logs in as (default bayi3)
#   KORVEL_DB         store file (default build/demo/korvel.db)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh

BIN=build/src
DB="${KORVEL_DB:-$(pwd)/build/demo/korvel.db}"
USER_NAME="${KORVEL_DEMO_USER:-bayi3}"
mkdir -p "$(dirname "$DB")"

"$BIN/appserver/korvel-server" --db "$DB" --demo 3000 --listen 127.0.0.1 &
SERVER=$!
trap 'kill $SERVER 2>/dev/null || true; wait $SERVER 2>/dev/null || true' EXIT

# Wait until the server answers (the first start also seeds the demo data).
for _ in $(seq 1 600); do
  curl -s -o /dev/null -X POST -d '{"_parameters":[]}' http://127.0.0.1:9090/datasnap/rest/TServerMethods1/KargoVer && break
  kill -0 $SERVER 2>/dev/null || { echo "korvel-server did not start" >&2; exit 1; }
  sleep 0.5
done

if [ -x "$BIN/client/korvel" ]; then
  ID="$("$BIN/client/korvel-kimlik")"
  "$BIN/appserver/korvel-server" --db "$DB" admin register "$USER_NAME" "$ID" "quick start" >/dev/null
  echo "This workstation ($ID) logs in as '$USER_NAME' (password 1234)."
  KORVEL_SERVER=127.0.0.1:9090 KORVEL_WEB=http://127.0.0.1:8080/ "$BIN/client/korvel"
else
  echo "korvel-server is running on port 9090 (web 8080). Ctrl+C stops it."
  wait $SERVER
fi
