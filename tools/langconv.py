#!/usr/bin/env python3
"""Builds the shipped language files in res/lang/ from their UTF-8 masters in tools/langconv/.

The program reads these files positionally as UTF-16LE after a two-byte mark, one line feed per
line, so they are written exactly that way: FF FE, then the text, LF line ends, no CR.

Masters: lines starting with "#" and empty lines are dropped; every other line is kept exactly,
trailing spaces included. The language files are checked as the program will read them: header
"[Setting]", then "N=text" lines with N in 0..499, a non-empty text, no index twice, and both
languages covering the same indices.

Usage: tools/langconv.py            write res/lang/*
       tools/langconv.py --check    exit 1 when res/lang/* differ from what the masters give
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "tools" / "langconv"
OUT = ROOT / "res" / "lang"

LANGUAGE_FILES = [("Lan_EN.utf8.txt", "Lan_EN.txt"), ("Lan.utf8.txt", "Lan.txt")]
SETTING_FILE = ("LanSetting.utf8.ini", "LanSetting.ini")


def master_lines(name):
    text = (SRC / name).read_text(encoding="utf-8")
    if "\r" in text:
        sys.exit(f"{name}: carriage return found; the program would not load the file")
    return [l for l in text.split("\n") if l and not l.startswith("#")]


def check_language(name, lines):
    if not lines or lines[0] != "[Setting]":
        sys.exit(f'{name}: the first line must be "[Setting]"')
    seen = {}
    for n, line in enumerate(lines[1:], start=2):
        key, sep, value = line.partition("=")
        if not sep or not key or not value:
            sys.exit(f'{name}: entry line {n} must read "N=text" with a non-empty text: {line!r}')
        if not key.isdigit() or not 0 <= int(key) <= 499:
            sys.exit(f"{name}: entry line {n}: index {key!r} is not a number from 0 to 499")
        if int(key) in seen:
            sys.exit(f"{name}: index {key} given twice (lines {seen[int(key)]} and {n})")
        seen[int(key)] = n
    return set(seen)


def encode(lines):
    return b"\xff\xfe" + "".join(l + "\n" for l in lines).encode("utf-16-le")


def main():
    check_only = sys.argv[1:] == ["--check"]
    outputs = {}
    indices = {}
    for src, dst in LANGUAGE_FILES:
        lines = master_lines(src)
        indices[dst] = check_language(src, lines)
        outputs[dst] = encode(lines)
    (a, ia), (b, ib) = indices.items()
    if ia != ib:
        sys.exit(f"{a} and {b} differ in indices: only in {a}: {sorted(ia - ib)}, only in {b}: {sorted(ib - ia)}")
    setting = master_lines(SETTING_FILE[0])
    if not setting or setting[0] != "[ChangeLanguage]":
        sys.exit(f'{SETTING_FILE[0]}: the first line must be "[ChangeLanguage]"')
    outputs[SETTING_FILE[1]] = encode(setting)

    stale = [n for n, data in outputs.items() if not (OUT / n).exists() or (OUT / n).read_bytes() != data]
    if check_only:
        for n in stale:
            print(f"res/lang/{n} is out of date; run tools/langconv.py", file=sys.stderr)
        return 1 if stale else 0
    OUT.mkdir(parents=True, exist_ok=True)
    for n in stale:
        (OUT / n).write_bytes(outputs[n])
        print(f"wrote res/lang/{n}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
