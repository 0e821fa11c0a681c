# Helpers for the fault tests, on top of lib.sh (source lib.sh first): the
# program started in another folder or under a file-size limit, folders made
# read-only even for root, and checks that data files are byte for byte what
# they were.

# The tests change files under the work folder in ways the ordinary cleanup
# cannot undo (an immutable folder cannot be removed); undo them first.
FAULT_READ_ONLY=()
fault_cleanup() {
    local status=$? dir
    for dir in "${FAULT_READ_ONLY[@]}"; do
        chattr -i "$dir" 2>/dev/null
        chmod u+w "$dir" 2>/dev/null
    done
    (exit "$status")
    e2e_cleanup
}
trap fault_cleanup EXIT

# Starts the program like e2e_start_program, but in folder DIR and, when
# BLOCKS is given, with a file-size limit of that many 1024-byte blocks
# (ulimit -f) for the program alone. MOMENT "-" keeps the real clock: the
# faked clock's library writes a file of its own before the program starts,
# which a limit of 0 does not allow. Sets E2E_PID.
fault_start_program() {
    local moment=$1 dir=$2 blocks=${3:-} clock=() when="the real clock"
    if [[ "$moment" != - ]]; then
        clock=(FAKETIME="@$moment" LD_PRELOAD="$E2E_FAKETIME_LIB")
        when="faked $moment"
    fi
    (
        cd "$dir" || exit 1
        if [[ -n "$blocks" ]]; then ulimit -f "$blocks" || exit 1; fi
        exec env TZ=Asia/Tokyo "${clock[@]}" \
            ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
            LSAN_OPTIONS="suppressions=$E2E_DIR/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
            "$E2E_BIN"
    ) >>"$E2E_WORK/program.log" 2>&1 &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
    echo "   started yoruma (pid $E2E_PID) in $dir at $when${blocks:+, file size limit $blocks blocks}"
}

# Makes folder DIR read-only for everyone, root included: an immutable folder
# (chattr +i) where the file system allows it, else a folder without write
# permission (which holds for anyone but root). Returns 1 when neither holds.
fault_make_read_only() {
    local dir=$1 probe="$1/.write-probe" how="immutable (chattr +i)"
    FAULT_READ_ONLY+=("$dir")
    if ! chattr +i "$dir" 2>/dev/null; then
        chmod a-w "$dir"
        how="without write permission"
    fi
    if (: >"$probe") 2>/dev/null; then
        rm -f "$probe"
        fault_make_writable "$dir"
        return 1
    fi
    e2e_ok "$(basename "$dir") is read-only: $how"
}

fault_make_writable() {
    chattr -i "$1" 2>/dev/null || true
    chmod u+w "$1"
}

# Keeps copies of both data files of folder DIR, to compare with later.
fault_keep_files() {
    mkdir -p "$E2E_WORK/kept"
    cp "$1/yorumadata/initial.ini" "$E2E_WORK/kept/initial.ini"
    cp "$1/yorumadata/option.ini" "$E2E_WORK/kept/option.ini"
}

# Asserts that data file NAME of folder DIR is byte for byte the kept copy.
fault_expect_kept() {
    local dir=$1 name=$2 what=$3
    [[ -f "$dir/yorumadata/$name" ]] || e2e_fail "$what: $dir/yorumadata/$name does not exist"
    if ! cmp -s "$E2E_WORK/kept/$name" "$dir/yorumadata/$name"; then
        echo "kept:" >&2; od -c "$E2E_WORK/kept/$name" >&2
        echo "now:" >&2; od -c "$dir/yorumadata/$name" >&2
        e2e_fail "$what: $name has changed"
    fi
    e2e_ok "$what: $name is unchanged"
}

# Closes window WID (its close box) and expects program PID to end with status 0.
fault_close_and_expect_exit() {
    local pid=$1 wid=$2 what=$3
    e2e_close_window "$wid"
    e2e_wait_exit "$pid" 15 || e2e_fail "$what: the program did not end after its window was closed"
    [[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "$what: the program ended with status $E2E_EXIT_STATUS"
    e2e_ok "$what: the program ended (exit status 0)"
}
