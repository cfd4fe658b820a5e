#!/usr/bin/env python3
"""Encodes the language sources (UTF-8, beside this script) into res/Language in each file's code page.

Usage: tools/language/build.py [--check]
  --check  write nothing; exit 1 when a file in res/Language differs from what its source gives.
"""
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent.parent / "res" / "Language"

# File name, what it holds, the codec that writes it, the Windows code page that reads it.
LANGUAGES = [
    ("ENU.txt", "English", "cp1252", "cp1252"),
    ("CHS.txt", "Simplified Chinese", "gbk", "cp936"),
    ("CHT.txt", "Traditional Chinese", "big5", "cp950"),
]

PIECE_MAX_BYTES = 255  # the program reads lines in pieces of at most this many bytes
HIGHEST_UNADDRESSED_CONTROL = 1000
LINE_END = b"\r\n"
ENTRY = re.compile(r"^(String[0-9]+|[0-9]+)=(.*)$")


class SourceError(Exception):
    pass


def read_entries(path):
    """The (key, text) pairs of a source, in order; '#' lines and blank lines are left out."""
    entries = []
    seen = set()
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        match = ENTRY.match(line)
        if not match:
            raise SourceError(f"{path.name}:{number}: not KEY=TEXT: {line!r}")
        key, text = match.groups()
        if key.isdigit() and int(key) <= HIGHEST_UNADDRESSED_CONTROL:
            raise SourceError(f"{path.name}:{number}: control {key} is never addressed (1000 or less)")
        if key in seen:
            raise SourceError(f"{path.name}:{number}: {key} appears twice")
        seen.add(key)
        entries.append((key, text))
    return entries


def encode(name, title, codec, windows_codec, entries):
    header = f"; Aerowisp language file: {title}. Generated from tools/language/{name}.".encode("ascii")
    lines = [header]
    for key, text in entries:
        line = f"{key}={text}"
        try:
            data = line.encode(codec)
        except UnicodeEncodeError as error:
            raise SourceError(f"{name}: {key}: {error.object[error.start:error.end]!r} has no {codec} form")
        if data.decode(windows_codec) != line:
            raise SourceError(f"{name}: {key}: code page {windows_codec} reads it back differently")
        if len(data) + len(LINE_END) > PIECE_MAX_BYTES:
            raise SourceError(f"{name}: {key}: {len(data) + len(LINE_END)} bytes, more than one piece")
        lines.append(data)
    # A lookup takes the first line that contains the key anywhere, so nothing before a key's own line
    # may contain it.
    for index, (key, _) in enumerate(entries, 1):
        for earlier in lines[:index]:
            if key.startswith("String") and key.encode("ascii") in earlier:
                raise SourceError(f"{name}: {key} is found first in {earlier!r}")
    return LINE_END.join(lines) + LINE_END


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        sources = {name: read_entries(HERE / name) for name, *_ in LANGUAGES}
        reference = [key for key, _ in sources["ENU.txt"]]
        for name, entries in sources.items():
            if sorted(key for key, _ in entries) != sorted(reference):
                raise SourceError(f"{name}: its keys differ from ENU.txt's")
        outputs = {name: encode(name, title, codec, windows, sources[name])
                   for name, title, codec, windows in LANGUAGES}
    except SourceError as error:
        print(f"build.py: {error}", file=sys.stderr)
        return 1
    stale = []
    for name, data in outputs.items():
        target = OUT / name
        if target.exists() and target.read_bytes() == data:
            continue
        if check:
            stale.append(name)
        else:
            OUT.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            print(f"wrote {target.relative_to(HERE.parent.parent)}")
    if stale:
        print(f"build.py: out of date in res/Language: {', '.join(stale)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
