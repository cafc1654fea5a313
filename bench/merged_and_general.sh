#!/usr/bin/env bash
# The merged ledger and the general ledger on generated companies.
#
#   bench/merged_and_general.sh [--qxmxz PATH] [--work DIR] [--keep]
#
# Makes (once per work folder) a company of 10^5 voucher lines and one of 10^6
# with `qxmxz make-demo PATH --lines N`, on SQLite and, when QXMXZ_PG_URL names
# a PostgreSQL server, on PostgreSQL too; then times
#   - the merged ledger of the busy bank account 100201 (about a tenth of all
#     lines), by summary and by account, on the 10^5 company;
#   - the general ledger of the first-grade parents 1002 and 1122 on the 10^6
#     company.
# Each run prints the command's own timings (time to the first rows in the
# grid, time to the whole ledger, rows) and the wall time and peak memory
# measured from outside. Targets: merged < 10 s on SQLite and < 30 s on
# PostgreSQL, general ledger < 0.5 s.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
qxmxz="$here/../build/app/qxmxz"
work="${TMPDIR:-/tmp}/qxmxz-bench"
keep=0
while [ $# -gt 0 ]; do
  case "$1" in
    --qxmxz) qxmxz=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "usage: $0 [--qxmxz PATH] [--work DIR] [--keep]" >&2; exit 2 ;;
  esac
done
[ -x "$qxmxz" ] || { echo "no qxmxz at $qxmxz (build it, or give --qxmxz)" >&2; exit 1; }
mkdir -p "$work"

# A PostgreSQL URL for a database of the given name on the server of QXMXZ_PG_URL.
pg_url() {
  local base=$QXMXZ_PG_URL name=$1
  local head=${base%%\?*} query=""
  [[ "$base" == *\?* ]] && query="?${base#*\?}"
  echo "${head%/*}/$name$query"
}

# Makes a company unless it exists; prints its URL.
company() {
  local backend=$1 lines=$2 url
  if [ "$backend" = sqlite ]; then
    url="sqlite:$work/company-$lines.db"
    [ -f "$work/company-$lines.db" ] || "$qxmxz" make-demo "$url" --lines "$lines" >&2
  else
    url=$(pg_url "qxmxz_bench_$lines")
    if ! "$qxmxz" --db "$url" accounts --format csv --out "$work/.probe" >/dev/null 2>&1; then
      "$qxmxz" make-demo "$url" --lines "$lines" >&2
    fi
  fi
  echo "$url"
}

# Runs one ledger and prints a line of figures.
measure() {
  local label=$1 url=$2; shift 2
  local timings peak wall
  local started ended
  started=$(date +%s.%N)
  /usr/bin/time -f "%M" -o "$work/.peak" "$qxmxz" --db "$url" "$@" --timings --format csv --out "$work/out.csv" \
    2>"$work/.err" || { cat "$work/.err" >&2; return 1; }
  ended=$(date +%s.%N)
  timings=$(grep -E '[0-9]+.*[0-9]+.*[0-9]+' "$work/.err" | tail -1)
  peak=$(tail -1 "$work/.peak")
  wall=$(echo "$ended - $started" | bc)
  printf '%-44s wall %6.2f s  peak %5d MB  %s\n' "$label" "$wall" "$((peak / 1024))" "$timings"
}

backends=(sqlite)
if [ -n "${QXMXZ_PG_URL:-}" ]; then backends+=(postgres); else echo "QXMXZ_PG_URL not set: SQLite only" >&2; fi

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
for backend in "${backends[@]}"; do
  url=$(company "$backend" 100000)
  measure "$backend 1e5 merged 100201 --by digest" "$url" merged 100201 --by digest
  measure "$backend 1e5 merged 100201 --by code" "$url" merged 100201 --by code
  measure "$backend 1e5 merged 1002 --by code --style wb" "$url" merged 1002 --by code --style wb
  url=$(company "$backend" 1000000)
  measure "$backend 1e6 general 1002" "$url" general 1002
  measure "$backend 1e6 general 1122" "$url" general 1122
  measure "$backend 1e6 general 1002 --unposted --style wb" "$url" general 1002 --unposted --style wb
done

if [ "$keep" = 0 ]; then rm -f "$work/out.csv" "$work/.err" "$work/.peak" "$work/.probe"; fi
