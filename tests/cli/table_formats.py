#!/usr/bin/env python3
"""Checks deducto-check's table formats over many files at once, as their readers see them:
the whole CSV output parsed by Python's csv module (CRLF line ends, one caption row per file,
every table rectangular), the whole LaTeX output free of anything that breaks a document
(compiled with pdflatex when it is installed), the Markdown captions as headings, and every
message on standard error naming its file.

Usage: table_formats.py PATH-TO-DECUCTO-CHECK"""
import csv
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile

checker = sys.argv[1]
failures = []


def fail(message):
    failures.append(message)


def run(args):
    done = subprocess.run([checker] + args, capture_output=True)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


work = tempfile.mkdtemp(prefix="deducto-formats-")
letters = "pqrst"
paths = []
for i in range(30):
    # Underscores, a hash, a comma, a percent sign and a dollar: each one breaks some format
    # when a name is written into it raw.
    name = f"exercise_{i:02d}" + ["", "#b", ",c", "%d", "$e"][i % 5] + ".deducto"
    premise = f"{letters[i % 5]} implies {letters[(i + 1) % 5]}"
    if i == 7:
        premise = "p and"  # fails with no message: no table for premise 1
    with open(os.path.join(work, name), "w", encoding="utf-8") as f:
        f.write(f"Premise: {premise}\nPremise: {letters[i % 5]}\n"
                f"Conclusion: {letters[(i + 1) % 5]}\n")
    paths.append(os.path.join(work, name))
table_args = ["--table", "1", "--table", "0"]


def check_stderr(err, what):
    for line in err.splitlines():
        if not line.startswith("    ") and not any(line.startswith(p + ": ") for p in paths):
            fail(f"{what}: a message on standard error names no file: {line!r}")


# ---- CSV ----
status, out, err = run(["--format", "csv"] + table_args + paths)
check_stderr(err, "csv")
if "exercise_07" not in err:
    fail("csv: the missing table of the failed line was not reported")
raw = out.encode("utf-8")
if raw.count(b"\n") != raw.count(b"\r\n") or not raw.endswith(b"\r\n"):
    fail("csv: a line does not end in CRLF")
rows = list(csv.reader(io.StringIO(out, newline=""), strict=True))
captions = [r[0][len("# File: "):] for r in rows if r and r[0].startswith("# File: ")]
if captions != paths:
    fail(f"csv: the caption rows do not name the 30 files in order: {captions[:3]}...")
tables = 0
width = None
for r in rows:
    if not r or r[0].startswith("# File: "):
        width = None
        continue
    if len(r) == 1 and width is None:
        fail(f"csv: a row of one field that is not a caption: {r}")
    if width is None:
        width = len(r)  # the headings
        tables += 1
    elif len(r) != width:
        fail(f"csv: a row of {len(r)} fields in a table of {width}: {r}")
    elif any(v not in ("T", "F") for v in r):
        fail(f"csv: a value that is not T or F: {r}")
if tables != 59:  # two tables a file, less the failed line's
    fail(f"csv: {tables} tables instead of 59")

# ---- LaTeX ----
status, out, err = run(["--format", "latex"] + table_args + paths)
check_stderr(err, "latex")
body = []
for line in out.splitlines():
    if line.startswith("%"):
        continue  # a comment, whatever it holds
    body.append(line)
    outside_math = re.sub(r"\$[^$]*\$", "", line)
    if line.count("$") % 2:
        fail(f"latex: unbalanced math on {line!r}")
    if re.search(r"(?<!\\)[_#%^~]", outside_math):
        fail(f"latex: a special character outside math: {line!r}")
text = "\n".join(body)
if text.count("{") != text.count("}"):
    fail("latex: braces do not balance")
if text.count("\\begin{tabular}") != 59 or text.count("\\end{tabular}") != 59:
    fail("latex: not 59 tabulars")
comments = [line[len("% File: "):] for line in out.splitlines() if line.startswith("% File: ")]
if comments != paths:
    fail("latex: the file comments do not name the 30 files in order")
if shutil.which("pdflatex"):
    document = os.path.join(work, "tables.tex")
    with open(document, "w", encoding="utf-8") as f:
        f.write("\\documentclass{article}\n\\usepackage{amssymb}\n\\begin{document}\n"
                + out + "\n\\end{document}\n")
    compiled = subprocess.run(["pdflatex", "-interaction=nonstopmode", "-halt-on-error",
                               "-output-directory", work, document], capture_output=True)
    if compiled.returncode != 0:
        fail("latex: pdflatex failed:\n" + compiled.stdout.decode("utf-8", "replace")[-2000:])

# ---- Markdown ----
status, out, err = run(["--format", "markdown"] + table_args + paths)
check_stderr(err, "markdown")
headings = [line for line in out.splitlines() if line.startswith("## File: ")]
unescaped = [re.sub(r"\\(.)", r"\1", h[len("## File: "):]) for h in headings]
if unescaped != paths:
    fail("markdown: the headings do not name the 30 files in order")
if any(re.search(r"(?<!\\)[_#*]", h[len("## File: "):]) for h in headings):
    fail("markdown: a heading holds an unescaped character")

shutil.rmtree(work)
for message in failures:
    print(message)
sys.exit(1 if failures else 0)
