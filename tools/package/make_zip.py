#!/usr/bin/env python3
"""Writes the portable zip: make_zip.py ZIP FOLDER README FILE... puts README as README.txt and each FILE
(relative to FOLDER) under Aerowisp/ in ZIP, with fixed dates so the same build gives the same zip."""
import sys
import zipfile

FIXED_DATE = (2026, 1, 1, 0, 0, 0)


def add(archive, name, data):
    info = zipfile.ZipInfo("Aerowisp/" + name, FIXED_DATE)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    archive.writestr(info, data)


def main(zip_path, folder, readme, *files):
    with zipfile.ZipFile(zip_path, "w") as archive:
        with open(readme, "rb") as text:
            add(archive, "README.txt", text.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n"))
        for name in files:
            with open(f"{folder}/{name}", "rb") as data:
                add(archive, name, data.read())


if __name__ == "__main__":
    main(*sys.argv[1:])
