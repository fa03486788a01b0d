#!/usr/bin/env bash
# Checks the UTF-8 sources of the bundled map and users file (tools/sample-data/)
# before they are converted: field counts, type names, number formats, that every
# spot lies in the start-up view left of the side panel, that spots keep apart,
# that no road bar runs over a spot it does not join, that every road's length
# fits its drawn distance, and that the road graph is connected.
# Usage: tools/check-sample-data.sh [source-directory]; exit status 1 on any fault.
set -euo pipefail
export LC_ALL=C.UTF-8   # character counts of the names, not byte counts

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${1:-"$root/tools/sample-data"}
cross="$dir/cross.txt"
route="$dir/route.txt"
users="$dir/users.txt"
faults=0
fault() { echo "check-sample-data: $*" >&2; faults=$((faults + 1)); }

for f in "$cross" "$route" "$users"; do
    [[ -f $f ]] || { fault "missing $f"; continue; }
    if grep -q $'\r' "$f"; then fault "$f holds CR characters (the sources use LF only)"; fi
    if [[ -s $f && $(tail -c 1 "$f" | od -An -c | tr -d ' ') != '\n' ]]; then fault "$f does not end with a line feed"; fi
done
((faults == 0)) || exit 1

# Field checks that need character counts.
n=0
while IFS= read -r line; do
    n=$((n + 1))
    read -r -a f <<<"$line"
    if ((${#f[@]} != 6)) || [[ $line != "${f[*]}" ]]; then fault "cross.txt:$n: want six fields separated by one space"; continue; fi
    case ${f[0]} in 酒店 | 银行 | 美食 | 超市) ;; *) fault "cross.txt:$n: unknown type '${f[0]}'" ;; esac
    ((${#f[1]} <= 5)) || fault "cross.txt:$n: name '${f[1]}' is longer than 5 characters"
    [[ ${f[2]} =~ ^[1-5]$ ]] || fault "cross.txt:$n: rating '${f[2]}' is not 1 to 5"
    [[ ${f[3]} =~ ^-?[0-9]+$ && ${f[4]} =~ ^-?[0-9]+$ ]] || fault "cross.txt:$n: position is not two integers"
    [[ ${f[5]} =~ ^[0-9]+(\.[0-9]+)?$ ]] || fault "cross.txt:$n: cost '${f[5]}' is not a number"
done <"$cross"
spots=$n
((spots >= 1 && spots <= 99)) || fault "cross.txt: $spots spots (want 1 to 99)"

n=0
while IFS= read -r line; do
    n=$((n + 1))
    read -r -a f <<<"$line"
    if ((${#f[@]} != 6)) || [[ $line != "${f[*]}" ]]; then fault "route.txt:$n: want six fields separated by one space"; continue; fi
    case ${f[0]} in 高速公路 | 普通道路) ;; *) fault "route.txt:$n: unknown type '${f[0]}'" ;; esac
    ((${#f[1]} <= 5)) || fault "route.txt:$n: name '${f[1]}' is longer than 5 characters"
    [[ ${f[2]} =~ ^[1-9][0-9]*$ ]] || fault "route.txt:$n: length '${f[2]}' is not a positive integer"
    [[ ${f[3]} =~ ^[1-9][0-9]*$ ]] || fault "route.txt:$n: speed limit '${f[3]}' is not a positive integer"
    for k in 4 5; do
        if ! [[ ${f[k]} =~ ^[1-9][0-9]*$ ]] || ((f[k] > spots)); then fault "route.txt:$n: spot number '${f[k]}' is not 1 to $spots"; fi
    done
done <"$route"
((n >= 1 && n <= 99)) || fault "route.txt: $n roads (want 1 to 99)"

n=0
while IFS= read -r line; do
    n=$((n + 1))
    read -r -a f <<<"$line"
    if ((${#f[@]} != 2)) || [[ $line != "${f[*]}" ]]; then fault "users.txt:$n: want a user name, one space and a password"; continue; fi
    ((${#f[0]} <= 7)) || fault "users.txt:$n: user name longer than 7 characters"
    [[ ${f[1]} =~ ^[!-~]{1,7}$ ]] || fault "users.txt:$n: password is not 1 to 7 printable ASCII characters"
    [[ ${f[0]} != 云栖客 ]] || fault "users.txt:$n: the administrator is built in and must not be listed"
done <"$users"
dups=$(cut -d ' ' -f 1 "$users" | sort | uniq -d)
[[ -z $dups ]] || fault "users.txt: user name listed twice: $dups"
((faults == 0)) || exit 1

# Geometry and connectivity. A spot is a circle of radius 30 whose top-left corner
# is the stored position; a road is a bar 20 thick between the two centres.
awk '
function fault(msg) { print "check-sample-data: " msg > "/dev/stderr"; bad++ }
function find(v) { while (parent[v] != v) v = parent[v]; return v }
FNR == 1 { file++ }
file == 1 {
    ns++; x[ns] = $4 + 30; y[ns] = $5 + 30
    if ($4 < -160 || $4 > 540 || $5 < 0 || $5 > 860)
        fault("cross.txt:" ns ": corner (" $4 ", " $5 ") lies outside x -160..540, y 0..860")
    next
}
{
    nr++; len[nr] = $3; e[nr] = $5; s[nr] = $6
}
END {
    for (i = 1; i <= ns; i++)
        for (j = i + 1; j <= ns; j++) {
            d = sqrt((x[i] - x[j]) ^ 2 + (y[i] - y[j]) ^ 2)
            if (d < 70) fault(sprintf("spots %d and %d are only %.1f apart (want 70)", i, j, d))
        }
    for (i = 1; i <= ns; i++) parent[i] = i
    for (r = 1; r <= nr; r++) {
        a = s[r]; b = e[r]
        if (a == b) { fault("road " r " joins spot " a " to itself"); continue }
        key = (a < b) ? a "-" b : b "-" a
        if (key in seen) fault("roads " seen[key] " and " r " join the same two spots")
        seen[key] = r
        dx = x[b] - x[a]; dy = y[b] - y[a]; d = sqrt(dx * dx + dy * dy)
        if (len[r] < 5 * d || len[r] > 10 * d)
            fault(sprintf("road %d: length %d m for %.0f drawn units (want 5 to 10 m a unit)", r, len[r], d))
        for (k = 1; k <= ns; k++) {
            if (k == a || k == b) continue
            t = ((x[k] - x[a]) * dx + (y[k] - y[a]) * dy) / (d * d)
            if (t < 0) t = 0; if (t > 1) t = 1
            c = sqrt((x[k] - x[a] - t * dx) ^ 2 + (y[k] - y[a] - t * dy) ^ 2)
            if (c < 45) fault(sprintf("road %d (%d-%d) passes %.0f from the centre of spot %d", r, a, b, c, k))
        }
        ra = find(a); rb = find(b); if (ra != rb) parent[ra] = rb
    }
    for (i = 2; i <= ns; i++)
        if (find(i) != find(1)) fault("spot " i " cannot be reached from spot 1")
    printf "check-sample-data: %d spots, %d roads\n", ns, nr
    exit bad > 0
}' "$cross" "$route"
