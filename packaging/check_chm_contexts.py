#!/usr/bin/env python3
"""Checks that F1 finds the page of every dialog in the built help file.

    check_chm_contexts.py CHM RESOURCE_H

F1 asks for 0x20000 plus the dialog's template number (IDD_ in RESOURCE_H). Each of
those numbers must be in the help file's context map and lead to the dialog's page,
and that page must be in the file.
"""

import os
import re
import struct
import subprocess
import sys
import tempfile

PAGES = {
    "IDD_MAIN": "guide/main.html",
    "IDD_ICONPICK": "guide/picker.html",
    "IDD_ABOUTBOX": "guide/about.html",
}
CONTEXT_BASE = 0x20000


def internal_file(chm, name):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "part")
        subprocess.run(["chmls", "extract", chm, name, out], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(out, "rb") as f:
            return f.read()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    chm, header = sys.argv[1:]
    with open(header, encoding="utf-8") as f:
        templates = {m.group(1): int(m.group(2), 0)
                     for m in re.finditer(r"^#define\s+(IDD_\w+)\s+(\w+)", f.read(), re.M)}
    listing = subprocess.run(["chmls", "-p", "-n", "list", chm], check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True).stdout.split()
    ivb = internal_file(chm, "/#IVB")
    strings = internal_file(chm, "/#STRINGS")
    size = struct.unpack_from("<I", ivb)[0]
    pairs = [struct.unpack_from("<II", ivb, 4 + i) for i in range(0, size, 8)]
    topics = {number: strings[offset:strings.index(b"\0", offset)].decode("cp932")
              for number, offset in pairs}

    failures = []
    if set(templates) != set(PAGES):
        failures.append(f"dialogs in {header}: {sorted(templates)}, pages known for "
                        f"{sorted(PAGES)}")
    for name, template in sorted(templates.items()):
        context = CONTEXT_BASE + template
        topic = topics.get(context)
        if topic is None:
            failures.append(f"{name}: context 0x{context:X} is not mapped")
        elif topic != PAGES.get(name):
            failures.append(f"{name}: context 0x{context:X} leads to {topic}, not {PAGES.get(name)}")
        elif "/" + topic not in listing:
            failures.append(f"{name}: context 0x{context:X} leads to {topic}, which is not in the file")
        else:
            print(f"{name}: context 0x{context:X} -> {topic}")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main()
