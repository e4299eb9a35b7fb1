#!/usr/bin/env bash
# Screenshot of the client in a real window under Xvfb, logged in as a demo
# user against a fresh demo server:
#
#   scripts/screenshot.sh OUT.png 1366x768 [USER]
#
# Uses the shared shot tool (../shared/tools/shot) and the built programs.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=$(realpath -m "$1"); SIZE=${2:-1366x768}; USER_NAME=${3:-BAYI3}
SHOT=${KORVEL_SHOT:-$(realpath ../shared/tools/shot)}
D=$(mktemp -d)
build/src/appserver/korvel-server --db "$D/korvel.db" --demo 3000 --listen 127.0.0.1 \
  --port 0 --web-port 0 >"$D/server.log" 2>&1 &
SERVER=$!
trap 'kill $SERVER 2>/dev/null || true; wait $SERVER 2>/dev/null || true; rm -rf "$D"' EXIT
until grep -q listening "$D/server.log"; do kill -0 $SERVER; sleep 0.3; done
PORT=$(sed -n 's/.*listening port=\([0-9]*\) web=\([0-9]*\).*/\1/p' "$D/server.log")
WEB=$(sed -n 's/.*listening port=\([0-9]*\) web=\([0-9]*\).*/\2/p' "$D/server.log")
build/src/appserver/korvel-server --db "$D/korvel.db" admin register "$USER_NAME" "$(build/src/client/korvel-kimlik)" screenshot >/dev/null
# KORVEL_GIRIS fills the login and presses "Giriş" (a test hook of the client).
KORVEL_SERVER=127.0.0.1:$PORT KORVEL_WEB=http://127.0.0.1:$WEB/ KORVEL_GIRIS="$USER_NAME:1234" \
  XDG_CONFIG_HOME="$D/config" "$SHOT" "$OUT" "$SIZE" 8 -- build/src/client/korvel
echo "$OUT"
