#!/usr/bin/env python3
"""Fails, naming file and include, when an #include "..." in src/ points against the layers.

The rules are the include-rules block of docs/architecture.md: each line is a pattern of files
under src/, a colon, and the patterns of what those files may include. The most specific pattern
(the longest) that matches a file is its rule. Every file needs a rule, and every include must
name a file under src/, so that no include slips past the rules.
"""
import fnmatch
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
RULES_FILE = ROOT / "docs" / "architecture.md"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def read_rules(text):
    block = re.search(r"^```include-rules\n(.*?)^```", text, re.MULTILINE | re.DOTALL)
    if block is None:
        sys.exit(f"{RULES_FILE}: no include-rules block")
    rules = {}
    for number, line in enumerate(block.group(1).splitlines(), 1):
        if not line.strip():
            continue
        files, separator, allowed = line.partition(":")
        if not separator or not allowed.split():
            sys.exit(f"{RULES_FILE}: include rule {number} is not 'files : allowed ...': {line}")
        rules[files.strip()] = allowed.split()
    return rules


def rule_for(path, rules):
    matching = [pattern for pattern in rules if fnmatch.fnmatchcase(path, pattern)]
    return max(matching, key=len) if matching else None


def main():
    rules = read_rules(RULES_FILE.read_text())
    source_root = ROOT / "src"
    faults = []
    files = sorted(p for p in source_root.rglob("*") if p.suffix in (".cpp", ".h"))
    for file in files:
        path = file.relative_to(source_root).as_posix()
        pattern = rule_for(path, rules)
        if pattern is None:
            faults.append(f"src/{path}: no include rule in {RULES_FILE.name} covers it")
            continue
        for included in INCLUDE.findall(file.read_text()):
            if not (source_root / included).is_file():
                faults.append(f'src/{path}: #include "{included}" names no file under src/')
            elif not any(fnmatch.fnmatchcase(included, allowed) for allowed in rules[pattern]):
                faults.append(f'src/{path}: #include "{included}" points against the layers '
                              f"(rule {pattern})")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against docs/architecture.md")
        return 1
    print(f"{len(files)} files of src/ follow the {len(rules)} include rules")
    return 0


if __name__ == "__main__":
    sys.exit(main())
