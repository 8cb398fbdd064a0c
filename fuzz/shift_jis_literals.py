#!/usr/bin/env python3
"""Copies C++ sources, writing every non-ASCII character inside a string or character
literal as octal escapes of its Shift-JIS (code page 932) bytes.

The program's own build stores literals as Shift-JIS with GCC's -fexec-charset=CP932;
clang, which builds the fuzz targets, has no such option. With the escapes the fuzzed
code sees exactly the bytes the program sees. Comments are copied unchanged.

    shift_jis_literals.py SOURCE_ROOT OUTPUT_ROOT FILE...   (FILE relative to SOURCE_ROOT)
"""
import os
import sys


def escape(ch):
    return "".join("\\%03o" % b for b in ch.encode("cp932"))


def convert(text, name):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(text[i:end])
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(text[i:end])
            i = end
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            open_paren = text.find("(", i + 2)
            delimiter = ")" + text[i + 2:open_paren] + '"'
            end = text.find(delimiter, open_paren) + len(delimiter)
            raw = text[i:end]
            if any(ord(ch) > 0x7F for ch in raw):
                sys.exit("%s: a raw string holds non-ASCII text; write it as a plain literal" % name)
            out.append(raw)
            i = end
        elif c in "\"'":
            j = i + 1
            literal = [c]
            while j < n and text[j] != c:
                if text[j] == "\\":
                    literal.append(text[j:j + 2])
                    j += 2
                    continue
                literal.append(escape(text[j]) if ord(text[j]) > 0x7F else text[j])
                j += 1
            literal.append(c)
            out.append("".join(literal))
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main():
    source_root, output_root = sys.argv[1], sys.argv[2]
    for relative in sys.argv[3:]:
        with open(os.path.join(source_root, relative), encoding="utf-8") as f:
            text = f.read()
        converted = convert(text, relative)
        target = os.path.join(output_root, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        # Rewritten only when changed, so that make rebuilds only what changed.
        if os.path.exists(target):
            with open(target, encoding="utf-8") as f:
                if f.read() == converted:
                    continue
        with open(target, "w", encoding="utf-8") as f:
            f.write(converted)


if __name__ == "__main__":
    main()
