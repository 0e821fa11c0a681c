#!/usr/bin/env python3
"""Mutation testing for this project's C++ sources, with nothing but Python's standard library.

A mutant changes exactly one site of one source file. Each one is written into
the file in place, the fast test programs are rebuilt incrementally and run;
the original file is always put back (also on Ctrl-C or an error), and the
run ends by checking that every file is byte for byte as before.

    python3 scripts/mutate.py --build build-mutation \\
        --files 'src/engine/*' 'src/storage/*' 'src/app/*' \\
        --sample 150 --seed 12 --timeout 120       # report: build-mutation/mutation-report.md
    python3 scripts/mutate.py --files 'src/engine/*.cpp' --list     # the mutants only
    python3 scripts/mutate.py --all ...                              # every mutant, no sample
    python3 scripts/mutate.py --selftest                             # the operators on sample lines

Operators (sites in comments, string and character literals, preprocessor
lines, static_assert and template angle brackets are never touched; binary
operators are taken only with blanks on both sides, so `->`, `>>`, `<<` and
`T&&` are left alone):
  cmp_flip     < <-> >=, > <-> <=, == <-> !=
  cmp_loosen   < <=, > >=, and back
  int_literal  an integer literal +1 and -1 (0 only +1)
  logic_swap   && <-> ||
  negate       if (c) / while (c) -> (!(c)); c ? a : b -> !(c) ? a : b
  drop_clamp   `x = std::min(...);` dropped; any other std::clamp/min/max call
               replaced by its first argument
  drop_return  a `return ...;` directly inside an if or else, dropped
  drop_save    a statement that only calls save*/write*/commit*/flush*, dropped
A dropped statement becomes `{}` (a lone `;` would trip -Wempty-body).

Outcome of a mutant: killed (a test failed), timed out (counted as killed),
killed at build (the program builds but a test program does not: a
static_assert in a test caught it), survived, or did not compile (the
program's own targets, --lib-targets, fail to build; left out of the score).
The score is killed / (compiled - marked equivalent). Survivors found to be equivalent go
into --equivalents, one a line, as printed in the report:
    src/engine/NumberText.cpp:40:21 cmp_loosen <= # why it cannot change behaviour
and are subtracted on later runs. The sample is drawn from all mutants in a
fixed order with --seed, so the same seed picks the same mutants on the same
code. Large constant tables (a braced list without statements holding 20 or
more integer literals) give at most --table-cap mutants each to the pool, so
that a table of thresholds cannot swamp the sample. Files that this build does
not compile (another platform's sources, and headers that only those include)
stay out of the pool: no test here could kill their mutants. The report lists
them as not built here.
"""
import argparse, glob, json, os, random, re, shlex, shutil, signal, subprocess, sys, tempfile, time
from collections import Counter
from dataclasses import dataclass

OPERATORS = ("cmp_flip", "cmp_loosen", "int_literal", "logic_swap", "negate",
             "drop_clamp", "drop_return", "drop_save")
FLIP = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
LOOSEN = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
ASSIGN = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}
IDENT = re.compile(r"[A-Za-z_]\w*")
NUMBER = re.compile(r"\.?\d(?:[eEpP][+-]|[\w.'])*")
RAW = re.compile(r'(?:u8|[uUL])?R"([^()\\\s]{0,16})\(')
INT = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F']+|[1-9][\d']*|0)([uUlLzZ]*)(?![\w.'])")


@dataclass
class Mutant:
    path: str
    start: int
    end: int
    replacement: str
    op: str
    line: int = 0
    col: int = 0
    before: str = ""
    after: str = ""
    outcome: str = ""
    note: str = ""

    def key(self):
        return f"{self.path}:{self.line}:{self.col} {self.op} {self.replacement}"


# ---------------------------------------------------------------- the source text

def mask(text):
    """The text with comments blanked and literals turned into '_', and the
    offsets that are never mutated (literals, preprocessor lines,
    static_assert, template arguments)."""
    code, skip, i, n = list(text), [False] * len(text), 0, len(text)

    def blank(a, b, fill):
        for k in range(a, b):
            if code[k] != "\n":
                code[k] = fill
            skip[k] = True

    while i < n:
        c, m = text[i], RAW.match(text, i)
        if text.startswith("//", i) or text.startswith("/*", i):
            j = text.find("\n", i) if text[i + 1] == "/" else text.find("*/", i + 2) + 2
            j = n if j < 2 else j
            blank(i, j, " ")
        elif m:
            j = text.find(")" + m.group(1) + '"', m.end())
            j = n if j < 0 else j + len(m.group(1)) + 2
            blank(i, j, "_")
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            blank(i, j, "_")
        else:
            word = IDENT.match(text, i) or NUMBER.match(text, i)  # whole, so 1'000 is no character literal
            j = word.end() if word else i + 1
        i = j
    code = "".join(code)
    for m in re.finditer(r"^[ \t]*#(?:[^\n]*\\\n)*[^\n]*", code, re.M):
        skip[m.start():m.end()] = [True] * (m.end() - m.start())
    for m in re.finditer(r"\bstatic_assert\s*\(", code):
        close = match_close(code, m.end() - 1)
        skip[m.start():close + 1] = [True] * (close + 1 - m.start())
    for i, c in enumerate(code):
        if c == "<" and code[i + 1:i + 2] not in ("<", "=") and code[i - 1] != "<" and \
                (code[i - 1].isalnum() or code[i - 1] == "_" or code[:i].rstrip().endswith("template")):
            close = template_close(code, i)
            if close > 0:
                skip[i:close + 1] = [True] * (close + 1 - i)
    return code, skip


def match_close(code, i):
    depth = 0
    for j in range(i, len(code)):
        depth += (code[j] in "([{") - (code[j] in ")]}")
        if depth == 0:
            return j
    return len(code) - 1


def match_open(code, i):
    depth = 0
    for j in range(i, -1, -1):
        depth += (code[j] in ")]}") - (code[j] in "([{")
        if depth == 0:
            return j
    return 0


def template_close(code, i):
    depth, j = 0, i
    while j < len(code):
        c = code[j]
        if c in ";{})]" or code.startswith("&&", j) or code.startswith("||", j):
            return -1
        if c in "([":
            j = match_close(code, j)
        depth += (c == "<") - (c == ">" and code[j - 1] != "-")
        if depth == 0:
            return j
        j += 1
    return -1


def is_assignment(code, j):
    """Whether offset j is the '=' of an assignment operator (not of ==, <= and the like)."""
    if code[j] != "=":
        return False
    a, b = j, j + 1
    while a > 0 and code[a - 1] in "=!<>+-*/%&|^":
        a -= 1
    while b < len(code) and code[b] == "=":
        b += 1
    return code[a:b] in ASSIGN


def prev_nonspace(code, i):
    j = i - 1
    while j >= 0 and code[j].isspace():
        j -= 1
    return j


def next_nonspace(code, i):
    while i < len(code) and code[i].isspace():
        i += 1
    return i


def word_before(code, i):
    """The identifier ending at offset i (inclusive), or ''."""
    m = re.search(r"[A-Za-z_]\w*$", code[max(0, i - 40):i + 1])
    return m.group() if m else ""


def is_control_paren(code, close, words=("if", "while", "for", "switch")):
    j = prev_nonspace(code, match_open(code, close))
    word = word_before(code, j)
    if word == "constexpr":
        word = word_before(code, prev_nonspace(code, j - len(word) + 1))
    return word in words


def statement_start(code, pos):
    """Offset where the statement holding pos starts; -1 inside parentheses."""
    depth, j = 0, pos - 1
    while j >= 0:
        c = code[j]
        if c in ")]":
            if depth == 0 and c == ")" and is_control_paren(code, j):
                return j + 1
            depth += 1
        elif c in "([":
            if depth == 0:
                return -1
            depth -= 1
        elif depth == 0 and (c in ";{}" or (c == ":" and ":" not in (code[j - 1], code[j + 1]))
                             or (word_before(code, j) == "else" and not code[j + 1].isalnum())):
            return j + 1
        j -= 1
    return 0


def statement_end(code, pos):
    depth = 0
    for j in range(pos, len(code)):
        depth += (code[j] in "([{") - (code[j] in ")]}")
        if depth == 0 and code[j] == ";":
            return j
    return -1


def directly_in_if(code, pos):
    """Whether the statement at pos is an if's or else's body, or a statement of that block."""
    def after_if_header(j):
        return (code[j] == ")" and is_control_paren(code, j, ("if",))) or word_before(code, j) == "else"
    if after_if_header(prev_nonspace(code, pos)):
        return True
    depth = 0
    for j in range(pos - 1, -1, -1):
        depth += (code[j] == "}") - (code[j] == "{")
        if depth < 0:
            return after_if_header(prev_nonspace(code, j))
    return False


def table_spans(code, min_literals=20):
    """Braced lists without statements that hold many integer literals: constant tables."""
    spans, i = [], 0
    while (i := code.find("{", i)) >= 0:
        close = match_close(code, i)
        body = code[i:close]
        if ";" not in body and len(INT.findall(body)) >= min_literals:
            spans.append((i, close))
            i = close
        i += 1
    return spans


# ---------------------------------------------------------------- the operators

def find_mutants(text, path="-"):
    code, skip = mask(text)
    found = {}

    def add(start, end, replacement, op, anchor=None):
        if not skip[start if anchor is None else anchor] and text[start:end] != replacement:
            found.setdefault((start, end, replacement), Mutant(path, start, end, replacement, op))

    for m in re.finditer(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)", code):
        add(m.start(), m.end(), FLIP[m.group()], "cmp_flip")
        if m.group() in LOOSEN:
            add(m.start(), m.end(), LOOSEN[m.group()], "cmp_loosen")
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", code):
        add(m.start(), m.end(), "||" if m.group() == "&&" else "&&", "logic_swap")
    for m in INT.finditer(code):
        literal, suffix = m.groups()
        value = int(literal.replace("'", ""), 0)
        for v in (value + 1, value - 1):
            if v >= 0:
                add(m.start(), m.end(), (hex(v) if literal[:2] in ("0x", "0X") else str(v)) + suffix, "int_literal")
    for m in re.finditer(r"\b(?:if|while)\s*(?:constexpr\s*)?\(", code):
        open_ = m.end() - 1
        close = match_close(code, open_)
        inner = code[open_ + 1:close]
        depth, a = 0, open_ + 1
        for k, c in enumerate(inner):  # if (init; condition): only the condition
            depth += (c in "([{") - (c in ")]}")
            if c == ";" and depth == 0:
                a = open_ + 2 + k
        a = next_nonspace(code, a)
        if a < close and not any(is_assignment(code, k) for k in range(a, close)):  # not `if (T* p = f())`
            add(a, close, "!(" + text[a:close] + ")", "negate", m.start())
    for m in re.finditer(r"(?<=\s)\?(?=\s)", code):
        depth, j = 0, m.start() - 1
        while j >= 0:
            c = code[j]
            if c in ")]}":
                depth += 1
            elif c in "([{":
                if depth == 0:
                    break
                depth -= 1
            elif depth == 0 and (c in ",;?" or (c == ":" and ":" not in (code[j - 1], code[j + 1]))
                                 or is_assignment(code, j) or word_before(code, j) == "return"):
                break
            if c == ")" and depth == 1 and is_control_paren(code, j):
                break
            j -= 1
        a, b = next_nonspace(code, j + 1), prev_nonspace(code, m.start()) + 1
        if a < b:
            add(a, b, "!(" + text[a:b] + ")", "negate", m.start())
    for m in re.finditer(r"\bstd::(?:clamp|min|max)\s*(?:<[^;()]*>)?\s*\(", code):
        open_ = m.end() - 1
        close = match_close(code, open_)
        start = statement_start(code, m.start())
        semi = next_nonspace(code, close + 1)
        if start >= 0 and semi < len(code) and code[semi] == ";" and \
                re.fullmatch(r"\s*[\w.\[\]>*-]*[\w\]]\s*=\s*", code[start:m.start()]):
            s = next_nonspace(code, start)
            add(s, semi + 1, "{}", "drop_clamp", m.start())
        else:
            depth, comma = 0, close
            for k in range(open_ + 1, close):
                depth += (code[k] in "([{") - (code[k] in ")]}")
                if code[k] == "," and depth == 0:
                    comma = k
                    break
            add(m.start(), close + 1, text[open_ + 1:comma].strip(), "drop_clamp")
    for m in re.finditer(r"\breturn\b", code):
        end = statement_end(code, m.end())
        if end > 0 and directly_in_if(code, m.start()):
            add(m.start(), end + 1, "{}", "drop_return")
    for m in re.finditer(r"\b(?:save|write|commit|flush)\w*\s*\(", code, re.I):
        chain = re.search(r"(?:[A-Za-z_]\w*(?:\.|->|::))*$", code[max(0, m.start() - 200):m.start()])
        s = m.start() - len(chain.group())
        start = statement_start(code, s)
        close = match_close(code, m.end() - 1)
        semi = next_nonspace(code, close + 1)
        if start >= 0 and not code[start:s].strip() and semi < len(code) and code[semi] == ";":
            add(s, semi + 1, "{}", "drop_save", m.start())

    mutants = sorted(found.values(), key=lambda mu: (mu.start, mu.end, OPERATORS.index(mu.op), mu.replacement))
    for mu in mutants:
        first = text.rfind("\n", 0, mu.start) + 1
        last = text.find("\n", mu.end)
        last = len(text) if last < 0 else last
        mu.line, mu.col = text.count("\n", 0, mu.start) + 1, mu.start - first + 1
        mu.before = " ".join(text[first:last].split())
        mu.after = " ".join((text[first:mu.start] + mu.replacement + text[mu.end:last]).split())
    return mutants, table_spans(code)


def built_files(build):
    """Real paths of the files a configured build compiles: the sources in its
    compile_commands.json and, followed from them, the headers they include
    in double quotes."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    include_dirs = set()
    for entry in entries:
        words = entry.get("arguments") or shlex.split(entry["command"])
        include_dirs |= {os.path.join(entry["directory"], w[2:]) for w in words if w.startswith("-I")}
    todo = [os.path.realpath(os.path.join(e["directory"], e["file"])) for e in entries]
    built = set()
    while todo:
        path = todo.pop()
        if path in built or not os.path.isfile(path):
            continue
        built.add(path)
        with open(path, encoding="utf-8", errors="replace") as f:
            names = re.findall(r'^[ \t]*#[ \t]*include[ \t]*"([^"]+)"', f.read(), re.M)
        todo += [os.path.realpath(os.path.join(d, name)) for name in names
                 for d in (os.path.dirname(path), *include_dirs)]
    return built


def collect(root, patterns, table_cap, seed, built):
    """Every mutant of the files that are built, in a fixed order, with each
    table's share capped; and the files left out as not built."""
    matched = sorted({os.path.relpath(p, root) for pat in patterns for p in glob.glob(os.path.join(root, pat))})
    files = [f for f in matched if os.path.realpath(os.path.join(root, f)) in built]
    pool = []
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8", newline="") as f:
            mutants, tables = find_mutants(f.read(), path)
        for a, b in tables if table_cap else []:
            inside = [mu for mu in mutants if a <= mu.start <= b]
            keep = set(map(id, random.Random(f"{seed}:{path}:{a}").sample(inside, min(table_cap, len(inside)))))
            mutants = [mu for mu in mutants if not (a <= mu.start <= b) or id(mu) in keep]
        pool += mutants
    return files, pool, [f for f in matched if f not in files]


# ---------------------------------------------------------------- running

def run(cmd, timeout, cwd=None, env=None):
    """(exit status or None on timeout, output). The whole process group goes on timeout."""
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            start_new_session=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out.decode(errors="replace")
    except BaseException as error:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        if isinstance(error, subprocess.TimeoutExpired):
            return None, ""
        raise


class Runner:
    def __init__(self, args):
        self.args, self.root = args, args.root
        self.build = os.path.join(args.root, args.build)
        nice = ["nice", "-n", str(args.nice)] if args.nice else []
        build = nice + ["cmake", "--build", self.build, "-j", str(args.jobs), "--target"]
        self.lib_cmd = build + args.lib_targets if args.lib_targets else ["true"]
        self.build_cmd = build + args.targets
        self.tests = [nice + shlex.split(t.format(build=self.build)) for t in args.test]
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def build_and_test(self):
        """'no-compile', 'killed-at-build', 'timeout', 'killed' or 'survived', and the output that decided."""
        for cmd, failed in ((self.lib_cmd, "no-compile"), (self.build_cmd, "killed-at-build")):
            status, out = run(cmd, self.args.build_timeout)
            if status != 0:
                return failed, out
        deadline = time.monotonic() + self.args.timeout
        for cmd in self.tests:
            status, out = run(cmd, max(1.0, deadline - time.monotonic()), os.path.join(self.build, "tests"), self.env)
            if status is None:
                return "timeout", ""
            if status != 0:
                return "killed", out
        return "survived", ""


def restore_leftovers(backup_dir, root):
    """Puts back files that a killed earlier run left mutated."""
    for name in os.listdir(backup_dir) if os.path.isdir(backup_dir) else []:
        path = os.path.join(root, name.replace("%", "/"))
        with open(os.path.join(backup_dir, name), "rb") as src, open(path, "wb") as dst:
            dst.write(src.read())
        os.remove(os.path.join(backup_dir, name))
        print(f"restored {path} from an interrupted run")


def mutate_all(args, chosen, originals):
    runner = Runner(args)
    backup_dir = os.path.join(runner.build, "mutation-backup")
    os.makedirs(backup_dir, exist_ok=True)
    started = time.monotonic()
    outcome, out = runner.build_and_test()
    if outcome != "survived":
        sys.exit(f"the unmutated code does not pass ({outcome}); nothing mutated\n{out[-3000:]}")
    baseline = time.monotonic() - started
    print(f"unmutated: builds and passes ({baseline:.0f} s)", flush=True)
    try:
        for n, mu in enumerate(chosen, 1):
            full, backup = os.path.join(args.root, mu.path), os.path.join(backup_dir, mu.path.replace("/", "%"))
            original, t0 = originals[mu.path], time.monotonic()
            try:
                with open(backup, "wb") as f:
                    f.write(original)
                text = original.decode("utf-8")
                with open(full, "w", encoding="utf-8", newline="") as f:
                    f.write(text[:mu.start] + mu.replacement + text[mu.end:])
                mu.outcome, out = runner.build_and_test()
            finally:  # no Ctrl-C while the original goes back
                signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM})
                with open(full, "wb") as f:
                    f.write(original)
                os.remove(backup)
                signal.pthread_sigmask(signal.SIG_UNBLOCK, {signal.SIGINT, signal.SIGTERM})
            print(f"[{n}/{len(chosen)}] {mu.outcome:15} {time.monotonic() - t0:5.0f} s  {mu.key()}", flush=True)
    except KeyboardInterrupt:
        print("interrupted: the report covers the mutants run so far")
    os.rmdir(backup_dir)
    # Leave the build matching the restored sources.
    run(runner.build_cmd, args.build_timeout)
    return baseline


# ---------------------------------------------------------------- the report

def apply_equivalents(chosen, path):
    """Marks the survivors listed in the equivalents file, with the reason given there."""
    lines = open(path, encoding="utf-8").read().splitlines() if os.path.exists(path) else []
    marks = [m for m in (re.match(r"([^#\s]+?):(\d+)(?::(\d+))?\s+(\w+)\s+(.*?)\s+#\s*(.*)$", line.strip())
                         for line in lines) if m]
    for mu in chosen:
        for m in marks:
            if (m[1], int(m[2]), m[4], m[5]) == (mu.path, mu.line, mu.op, mu.replacement) and m[3] in (None, str(mu.col)):
                mu.note = m[6] if mu.outcome == "survived" else f"{m[6]} (marked, yet {mu.outcome})"
                mu.outcome = "equivalent" if mu.outcome == "survived" else mu.outcome


def score_row(name, mutants):
    c = Counter(mu.outcome for mu in mutants)
    killed = c["killed"] + c["timeout"] + c["killed-at-build"]
    counted = killed + c["survived"]
    score = f"{100 * killed / counted:.1f} %" if counted else "–"
    return (f"| {name} | {len(mutants)} | {killed} | {c['timeout']} | {c['killed-at-build']} | {c['survived']} "
            f"| {c['equivalent']} | {c['no-compile']} | {score} |")


def build_type(args):
    with open(os.path.join(args.root, args.build, "CMakeCache.txt"), encoding="utf-8") as f:
        m = re.search(r"^CMAKE_BUILD_TYPE:\w+=(.*)$", f.read(), re.M)
    return m.group(1) if m and m.group(1) else "no build type"


def write_report(args, files, not_built, pool, chosen, baseline, clean, git_head):
    ran = [mu for mu in chosen if mu.outcome]
    table = ["| | mutants | killed | of them timed out | of them at build | survived | equivalent "
             "| did not compile | score |", "|---" + "|--:" * 8 + "|", score_row("**all**", ran)]
    lines = [
        "# Mutation run", "",
        f"- code: {git_head}; run {time.strftime('%Y-%m-%d %H:%M')}",
        f"- files ({len(files)}): " + ", ".join(f"`{f}`" for f in files),
        f"- not built here ({len(not_built)}), so not mutated: " + (", ".join(f"`{f}`" for f in not_built) or "none"),
        f"- operators: {', '.join(args.ops)}",
        f"- pool {len(pool)} mutants (each constant table capped at {args.table_cap or 'no limit'}); "
        + ("all of them" if args.all else f"sample of {args.sample} with seed {args.seed}")
        + f"; {len(ran)} run" + ("" if len(ran) == len(chosen) else f" of {len(chosen)} (interrupted)"),
        f"- build `{args.build}` ({build_type(args)}): program {' '.join(args.lib_targets)} "
        f"(failing: did not compile), then {' '.join(args.targets)} (failing: killed at build); tests: "
        + "; ".join(f"`{t}`" for t in args.test),
        f"- time limit {args.timeout} s per mutant for the tests (a timeout counts as killed); "
        f"unmutated build and tests {baseline:.0f} s",
        f"- score = killed / (compiled − equivalent); equivalents from `{args.equivalents}`",
        f"- sources after the run: {clean}", "", "## Score", ""] + table
    lines += ["", "## Per file", "", *table[:2]]
    lines += [score_row(f"`{f}`", [mu for mu in ran if mu.path == f]) for f in files if any(mu.path == f for mu in ran)]
    lines += ["", "## Per operator", "", *table[:2]]
    lines += [score_row(op, [mu for mu in ran if mu.op == op]) for op in args.ops if any(mu.op == op for mu in ran)]
    lines += ["", "## Survivors", "", "Key line (for the equivalents file), then the line before and after.", ""]
    for mu in (mu for mu in ran if mu.outcome == "survived"):
        lines += [f"- `{mu.key()}`", "  ```diff", f"  - {mu.before}", f"  + {mu.after}", "  ```"]
    lines += ["", "## Marked equivalent", ""]
    lines += [f"- `{mu.key()}`: {mu.note}" for mu in ran if mu.note] or ["None."]
    lines += ["", "## Did not compile", ""]
    lines += [f"- `{mu.key()}`: `{mu.after}`" for mu in ran if mu.outcome == "no-compile"] or ["None."]
    with open(args.report, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print("\n".join(lines[:lines.index("## Per file")]))
    return len(ran) < len(chosen)


# ---------------------------------------------------------------- self-test

SELFTEST = [
    ("if (a < b) x = 1;", {"if (a >= b) x = 1;", "if (a <= b) x = 1;", "if (!(a < b)) x = 1;",
                           "if (a < b) x = 2;", "if (a < b) x = 0;"}),
    ("y = p && q ? 1'000 : 0x1F;", {"y = p || q ? 1'000 : 0x1F;", "y = !(p && q) ? 1'000 : 0x1F;", "y = p && q ? 1001 : 0x1F;",
                                   "y = p && q ? 999 : 0x1F;", "y = p && q ? 1'000 : 0x20;", "y = p && q ? 1'000 : 0x1e;"}),
    ('if (!ok) return "a < b"; // c > d', {'if (!(!ok)) return "a < b"; // c > d', 'if (!ok) {} // c > d'}),
    ("#include <a>\nstd::array<int, 8> v; auto&& r = p->q >> 2; static_assert(N > 3);", {
        "#include <a>\nstd::array<int, 8> v; auto&& r = p->q >> 3; static_assert(N > 3);",
        "#include <a>\nstd::array<int, 8> v; auto&& r = p->q >> 1; static_assert(N > 3);"}),
    ("{ pos = std::min(a, b); f(std::max(c, d)); }", {"{ {} f(std::max(c, d)); }", "{ pos = std::min(a, b); f(c); }"}),
    ("{ SaveOptions(s, p); if (!file.commit()) return; file.flush(); }", {
        "{ {} if (!file.commit()) return; file.flush(); }", "{ SaveOptions(s, p); if (!(!file.commit())) return; file.flush(); }",
        "{ SaveOptions(s, p); if (!file.commit()) {} file.flush(); }", "{ SaveOptions(s, p); if (!file.commit()) return; {} }"}),
    ("if (T* p = f()) return c ? 1 : 0;", {"if (T* p = f()) {}", "if (T* p = f()) return !(c) ? 1 : 0;",
                                           "if (T* p = f()) return c ? 2 : 0;", "if (T* p = f()) return c ? 0 : 0;",
                                           "if (T* p = f()) return c ? 1 : 1;"}),
    ("for (;;) e = std::min<int>(e, k);", {"for (;;) {}"}),
    ("while (i != 0) { return i; }", {"while (i == 0) { return i; }", "while (i != 1) { return i; }",
                                      "while (!(i != 0)) { return i; }"}),
]


def selftest():
    failures = 0
    for text, expected in SELFTEST:
        got = {text[:mu.start] + mu.replacement + text[mu.end:] for mu in find_mutants(text)[0]}
        if got != expected:
            failures += 1
            print(f"FAIL {text!r}\n  missing {sorted(expected - got)}\n  unexpected {sorted(got - expected)}")
    passed = len(SELFTEST) - failures
    if selftest_built_files():
        passed += 1
    else:
        failures += 1
        print("FAIL built_files: a source, the headers it includes (beside it or on an -I path), no other file")
    print(f"selftest: {passed} of {passed + failures} passed")
    return 1 if failures else 0


def selftest_built_files():
    """A compiled source and the headers it reaches count as built; an unlisted source and its header do not."""
    with tempfile.TemporaryDirectory() as top:
        files = {"a.cpp": '#include "b.h"\n#include <c.h>\n', "b.h": '  #  include "d.h"\n', "inc/d.h": "",
                 "c.h": "", "w.cpp": '#include "w.h"\n', "w.h": ""}
        for name, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(top, name)), exist_ok=True)
            with open(os.path.join(top, name), "w", encoding="utf-8") as f:
                f.write(text)
        with open(os.path.join(top, "compile_commands.json"), "w", encoding="utf-8") as f:
            json.dump([{"directory": top, "file": "a.cpp", "command": f"c++ -I{top}/inc -c a.cpp"}], f)
        built = {os.path.relpath(p, os.path.realpath(top)) for p in built_files(top)}
    return built == {"a.cpp", "b.h", "inc/d.h"}


# ---------------------------------------------------------------- main

# The fast test programs: everything but the end-to-end and package tests.
TEST_PROGRAMS = ["engine_tests", "storage_tests", "app_tests", "display_window_tests", "dialog_tests"]


def default_tests(root):
    """Each fast test program, and, where they run as root, the storage cases
    that need permissions to hold once more as the user nobody, as ctest runs
    them (root may read and write anything, so only that run sees the modes)."""
    tests = [f"{{build}}/tests/{t} --gtest_brief=1 --gtest_fail_fast" for t in TEST_PROGRAMS]
    with open(os.path.join(root, "tests", "CMakeLists.txt"), encoding="utf-8") as f:
        as_nobody = re.search(r"storage_tests_as_nobody.*?(--gtest_filter=[^'\"\s]+)", f.read(), re.S)
    if as_nobody and os.geteuid() == 0 and shutil.which("setpriv"):
        tests.append("setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent "
                     f"{{build}}/tests/storage_tests {as_nobody.group(1)} --gtest_brief=1 --gtest_fail_fast")
    return tests


def interrupt(*_):
    raise KeyboardInterrupt


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--root", default=root, help="repository root (default: the one holding this script)")
    p.add_argument("--files", nargs="+", default=["src/engine/*", "src/storage/*", "src/app/*"],
                   help="globs relative to the root")
    p.add_argument("--ops", nargs="+", default=list(OPERATORS), choices=OPERATORS)
    p.add_argument("--sample", type=int, default=150, help="mutants drawn at random (default 150)")
    p.add_argument("--all", action="store_true", help="every mutant instead of a sample")
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--table-cap", type=int, default=10, help="mutants per constant table in the pool; 0: all")
    p.add_argument("--list", action="store_true", help="print the chosen mutants and stop")
    p.add_argument("--build", default="build-mutation", help="build folder (configured as Release if new)")
    p.add_argument("--lib-targets", nargs="*", default=["yoruma_engine", "yoruma_storage", "yoruma_app", "yoruma_ui"],
                   help="the program's own targets: a mutant that breaks them did not compile")
    p.add_argument("--targets", nargs="+", default=TEST_PROGRAMS + ["save_storm"],
                   help="the test programs: a mutant that breaks only these is killed at build")
    p.add_argument("--test", action="append", help="test command, {build} = build folder; repeatable "
                   "(default: each in-process test program with --gtest_brief=1 --gtest_fail_fast, and as root "
                   "the storage cases that need permissions once more as the user nobody)")
    p.add_argument("--timeout", type=float, default=120, help="seconds for all test commands of one mutant")
    p.add_argument("--build-timeout", type=float, default=900)
    p.add_argument("--jobs", type=int, default=2)
    p.add_argument("--nice", type=int, default=10)
    p.add_argument("--equivalents", default="scripts/mutation-equivalents.txt")
    p.add_argument("--report", help="where the report goes (default: mutation-report.md in the build folder)")
    p.add_argument("--selftest", action="store_true")
    args = p.parse_args()
    if args.selftest:
        return selftest()
    args.test = args.test or default_tests(args.root)

    build = os.path.join(args.root, args.build)
    args.report = args.report or os.path.join(build, "mutation-report.md")
    restore_leftovers(os.path.join(build, "mutation-backup"), args.root)
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        subprocess.run(["cmake", "-S", args.root, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                        "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"], check=True)
    elif not os.path.exists(os.path.join(build, "compile_commands.json")):
        subprocess.run(["cmake", "-B", build, "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"], check=True)
    files, pool, not_built = collect(args.root, args.files, args.table_cap, args.seed, built_files(build))
    if not files:
        sys.exit(f"no built file matches {' '.join(args.files)} under {args.root}"
                 + (f" (not built here: {' '.join(not_built)})" if not_built else ""))
    pool = [mu for mu in pool if mu.op in args.ops]
    chosen = pool if args.all else random.Random(args.seed).sample(pool, min(args.sample, len(pool)))
    chosen.sort(key=lambda mu: (mu.path, mu.start, mu.end, mu.replacement))  # same file in a row: fewer rebuilds
    if args.list:
        for mu in chosen:
            print(f"{mu.key()}\n    - {mu.before}\n    + {mu.after}")
        print(f"{len(chosen)} of {len(pool)} mutants in {len(files)} files: "
              + ", ".join(f"{op} {n}" for op, n in Counter(mu.op for mu in chosen).items()))
        print(f"not built here, so not mutated: {' '.join(not_built) or 'none'}")
        return 0

    originals = {f: open(os.path.join(args.root, f), "rb").read() for f in files}
    git = ["git", "-C", args.root]
    git_before = subprocess.run(git + ["status", "--porcelain", "--", *files], capture_output=True, text=True).stdout
    git_head = subprocess.run(git + ["describe", "--always", "--dirty"], capture_output=True, text=True).stdout.strip()
    # SIGTERM (and SIGINT, even when started in the background) end the run
    # like Ctrl-C: the file being mutated is put back and the report written.
    signal.signal(signal.SIGTERM, interrupt)
    signal.signal(signal.SIGINT, interrupt)
    baseline = mutate_all(args, chosen, originals)

    changed = [f for f in files if open(os.path.join(args.root, f), "rb").read() != originals[f]]
    git_after = subprocess.run(git + ["status", "--porcelain", "--", *files], capture_output=True, text=True).stdout
    clean = "CHANGED: " + " ".join(changed) if changed or git_before != git_after else \
        f"all {len(files)} files byte for byte as before, git status unchanged"
    apply_equivalents(chosen, os.path.join(args.root, args.equivalents))
    interrupted = write_report(args, files, not_built, pool, chosen, baseline, clean, git_head)
    print(f"report: {args.report}; sources: {clean}")
    return 1 if changed else 130 if interrupted else 0


if __name__ == "__main__":
    sys.exit(main())
