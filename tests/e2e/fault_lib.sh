# shellcheck shell=bash
# Helpers for the fault tests, on top of lib.sh (source lib.sh first):
# folders and files made read-only even for root, and checks that data files are byte
# for byte what they were.

# The tests change files under the work folder in ways the ordinary cleanup
# cannot undo (an immutable folder cannot be removed); undo them first.
FAULT_READ_ONLY=()
fault_cleanup() {
    local status=$? path
    for path in "${FAULT_READ_ONLY[@]}"; do
        chattr -i "$path" 2>/dev/null
        chmod u+w "$path" 2>/dev/null
    done
    (exit "$status")
    e2e_cleanup
}
trap fault_cleanup EXIT

# Makes folder or file PATH read-only for everyone, root included: immutable
# (chattr +i) where the file system allows it, else without write permission
# (which holds for anyone but root). Returns 1 when neither holds.
fault_make_read_only() {
    local path=$1 how="immutable (chattr +i)"
    FAULT_READ_ONLY+=("$path")
    if ! chattr +i "$path" 2>/dev/null; then
        chmod a-w "$path"
        how="without write permission"
    fi
    if [[ -d "$path" ]] && (: >"$path/.write-probe") 2>/dev/null; then
        rm -f "$path/.write-probe"
        fault_make_writable "$path"
        return 1
    fi
    if [[ ! -d "$path" ]] && (: >>"$path") 2>/dev/null; then
        fault_make_writable "$path"
        return 1
    fi
    e2e_ok "$(basename "$path") is read-only: $how"
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

# Expects program PID to show its message about the data folder (every save
# that fails says it), and answers it with OK.
fault_answer_data_folder_message() {
    local pid=$1 what=$2 box message="$E2E_WORK/message.bin"
    e2e_expect_window "$pid" "$E2E_TITLE_MESSAGE" "$what: message box"
    box=$E2E_WID
    e2e_read_message "$box" "$message"
    grep -q 'yorumadata フォルダに設定を保存できません。' "$message" \
        || e2e_fail "$what: not the data folder message: $(cat "$message")"
    e2e_key Return
    e2e_expect_window_gone "$box" "$what: the data folder message"
}

# Closes window WID (its close box) and expects program PID to end with
# status 0; with a fourth argument "says-so", after answering the data
# folder message that the failed save of the close shows.
fault_close_and_expect_exit() {
    local pid=$1 wid=$2 what=$3
    e2e_close_window "$wid"
    if [[ "${4:-}" == says-so ]]; then fault_answer_data_folder_message "$pid" "$what"; fi
    e2e_wait_exit "$pid" 15 || e2e_fail "$what: the program did not end after its window was closed"
    [[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "$what: the program ended with status $E2E_EXIT_STATUS"
    e2e_ok "$what: the program ended (exit status 0)"
}
