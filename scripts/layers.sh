#!/usr/bin/env bash
# The include graph of src/, folder to folder, and a check that every arrow
# points down the layers: ui -> app -> storage -> engine (ui may also read
# engine and storage types; main.cpp may use any layer).
#
#     bash scripts/layers.sh        # prints the arrows; exits 1 on one that runs up
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

rank() {
    case $1 in
        engine) echo 1 ;; storage) echo 2 ;; app) echo 3 ;; ui) echo 4 ;; main.cpp) echo 5 ;; *) echo 0 ;;
    esac
}

status=0
while read -r from to count; do
    mark=""
    if [[ $(rank "$to") -eq 0 || $(rank "$from") -le $(rank "$to") ]]; then
        mark="   <- runs up or sideways"
        status=1
    fi
    printf '%-8s -> %-8s %3d includes%s\n' "$from" "$to" "$count" "$mark"
done < <(grep -rHo '^#include "[a-z]*/' --include='*.h' --include='*.cpp' . |
    sed -E 's|^\./([^/:]+)(/[^:]*)?:#include "([a-z]*)/$|\1 \3|' |
    awk '$1 != $2 { n[$1 " " $2]++ } END { for (k in n) print k, n[k] }' | sort)
exit $status
