#!/usr/bin/env bash
# Writes deb-src entries for the Debian archive and suites this machine already installs from,
# into a private apt configuration under $1, and fetches the package lists there. The system's
# own source lists and package lists stay untouched.
set -euo pipefail
dir="$1"
mkdir -p "$dir/lists/partial" "$dir/archives/partial"
out="$dir/sources.list"
: >"$out"
# One-line format: "deb [options] URI suite components..."
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]\+/deb-src /p' "$f" | grep -i 'debian' >>"$out" || true
done
# deb822 format: blocks of "Types / URIs / Suites / Components / Signed-By"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk -v RS= '
        {
            types = uris = suites = comps = signed = ""
            n = split($0, lines, "\n")
            for (i = 1; i <= n; i++) {
                line = lines[i]
                if (line ~ /^#/) continue
                key = line; sub(/:.*/, "", key)
                val = line; sub(/^[^:]*:[[:space:]]*/, "", val)
                if (key == "Types") types = val
                else if (key == "URIs") uris = val
                else if (key == "Suites") suites = val
                else if (key == "Components") comps = val
                else if (key == "Signed-By") signed = val
            }
            if (types !~ /(^| )deb( |$)/ || uris !~ /debian/) next
            opt = (signed != "") ? "[signed-by=" signed "] " : ""
            ns = split(suites, s, " ")
            nu = split(uris, u, " ")
            for (j = 1; j <= nu; j++) for (k = 1; k <= ns; k++)
                print "deb-src " opt u[j] " " s[k] " " comps
        }' "$f" >>"$out"
done
[ -s "$out" ] || { echo "No Debian archive found in the apt sources of this machine" >&2; exit 1; }
cat "$out"
