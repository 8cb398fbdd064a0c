#!/usr/bin/env python3
"""Writes a UTF-8 text as Notepad reads it on any Windows: UTF-8 with a byte-order mark, CRLF.

Shift-JIS would read as garbage where the system's code page is not 932.

    text_for_notepad.py SOURCE TARGET [NAME=VALUE...]

Each @NAME@ in the text is replaced by its VALUE first.
"""

import sys


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        text = f.read()
    for pair in sys.argv[3:]:
        name, _, value = pair.partition("=")
        text = text.replace(f"@{name}@", value)
    lines = text.splitlines()
    with open(sys.argv[2], "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("utf-8-sig"))


if __name__ == "__main__":
    main()
