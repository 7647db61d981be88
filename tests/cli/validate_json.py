#!/usr/bin/env python3
"""Validates every JSON object deducto-check prints against its schema document.

Runs the checker with --json over every worked example and every benchmark argument (with
--explain, --world and --tree, so that those members are seen too; the worked examples also
with --steps and --argument-table, whose tables grow with the rows), grades the examples with
--grade --json against themselves as the answer key with --equivalence (the grade member and
the summary), and includes a file that cannot be read (the file error object).

Usage: validate_json.py CHECKER SCHEMA SAMPLES WORKLOADS
"""
import json
import pathlib
import subprocess
import sys
import tempfile

import jsonschema


def objects(checker, args):
    run = subprocess.run([checker, *args], capture_output=True, check=False)
    if run.returncode > 5:
        sys.exit(f"deducto-check {' '.join(args)} ended with status {run.returncode}")
    for line in run.stdout.decode("utf-8").splitlines():
        yield json.loads(line)


def main():
    checker, schema_path, samples, workloads = sys.argv[1:5]
    schema = json.loads(pathlib.Path(schema_path).read_text(encoding="utf-8"))
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)

    if not pathlib.Path(workloads).is_dir():
        print(f"no workloads in {workloads}: skipped")
        sys.exit(77)
    examples = sorted(str(p) for p in pathlib.Path(samples).glob("*.deducto"))
    arguments = sorted(str(p) for p in pathlib.Path(workloads).glob("*/*.txt"))
    if not examples:
        sys.exit(f"no worked examples in {samples}")
    runs = [["--json", "--explain", "--world", "--tree", path] for path in examples + arguments]
    runs += [["--json", "--steps", "--argument-table", path] for path in examples]
    runs.append(["--json", "/nonexistent/argument.deducto"])
    with tempfile.TemporaryDirectory() as folder:
        key = pathlib.Path(folder, "key")
        key.mkdir()
        for path in examples:
            name = pathlib.Path(path).stem + ".deducto"
            key.joinpath(name).write_bytes(pathlib.Path(path).read_bytes())
        runs.append(["--grade", "--json", "--key", str(key), "--equivalence", "-r", str(key),
                     "/nonexistent/argument.deducto"])
        runs.append(["--grade", "--json", *examples])
        kinds = {}
        count = 0
        for args in runs:
            for obj in objects(checker, args):
                errors = sorted(validator.iter_errors(obj), key=lambda e: list(e.path))
                if errors:
                    where = "/".join(str(p) for p in errors[0].path)
                    sys.exit(f"deducto-check {' '.join(args)}: {errors[0].message} at /{where}")
                kind = "summary" if "summary" in obj else obj.get("status")
                kinds[kind] = kinds.get(kind, 0) + 1
                kinds["grade"] = kinds.get("grade", 0) + ("grade" in obj)
                count += 1
    for needed in ("evaluated", "file error", "summary", "grade"):
        if not kinds.get(needed):
            sys.exit(f"no object of kind {needed!r} was seen: the test would prove nothing")
    print(f"{count} objects valid ({len(examples)} examples, {len(arguments)} benchmark arguments)")


if __name__ == "__main__":
    main()
