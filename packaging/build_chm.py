#!/usr/bin/env python3
"""Compiles the user guide into ravlet.chm with chmcmd.

    build_chm.py DOCS_DIR RESOURCE_H STAGE_DIR OUTPUT_CHM [NAME=VALUE...]

F1 asks for 0x20000 plus the number of the dialog's template. The project's [ALIAS]
names the page of each dialog as IDH_NAME; the number comes from IDD_NAME in
RESOURCE_H, so that a renumbered template keeps its page.

The guide is written in UTF-8; the help viewer of Japanese Windows reads the table
of contents and the title in the code page of the help file's language (932), so the
pages are staged as Shift-JIS with their charset declaration changed to match. Each
@NAME@ in a page is replaced by its VALUE (the version, say) on the way.

Two things of chmcmd are worked around here:
- it stores each [ALIAS] topic in the string table with the project's absolute folder
  in front, which no viewer finds (and which differs from one build folder to the
  next). The project names the dialog pages in its window definition, so they are in
  the string table anyway; the context map (#IVB) is written here, pointing there.
- it stamps the file with the time of compiling. Both stamps are set to the time of
  the commit (source_date_epoch.py), so that every build of a commit is the same.
"""

import os
import re
import shutil
import struct
import subprocess
import sys

from source_date_epoch import source_date_epoch

TEXT_SUFFIXES = (".html", ".htm", ".hhc", ".hhk", ".css")


def read_project(path):
    """The project's lines grouped by section: [(name or None, [lines])]."""
    sections = [(None, [])]
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            match = re.match(r"^\[(.+)\]\s*$", line)
            if match:
                sections.append((match.group(1).upper(), []))
            else:
                sections[-1][1].append(line)
    return sections


def entries(lines):
    return [l.strip() for l in lines if l.strip() and not l.strip().startswith(";")]


HELP_CONTEXT_BASE = 0x20000


def template_numbers(header):
    """{NAME: number} of the dialog templates (#define IDD_NAME number)."""
    with open(header, encoding="utf-8") as f:
        return {m.group(1): int(m.group(2), 0)
                for m in re.finditer(r"^#define\s+IDD_(\w+)\s+(\w+)", f.read(), re.M)}


def context_map(sections, templates):
    """[(context number, topic)]: each [ALIAS] IDH_NAME with its dialog's number."""
    contexts = []
    for name, lines in sections:
        if name == "MAP":
            sys.exit("build_chm: the context numbers come from the resource header; "
                     "the project has no [MAP]")
        if name != "ALIAS":
            continue
        for entry in entries(lines):
            key, _, topic = entry.partition("=")
            key = key.strip()
            dialog = key[len("IDH_"):] if key.startswith("IDH_") else None
            if dialog not in templates:
                sys.exit(f"build_chm: {key} names no dialog template IDD_{dialog}")
            contexts.append((HELP_CONTEXT_BASE + templates[dialog], topic.strip()))
    return contexts


def option(sections, key):
    for name, lines in sections:
        if name == "OPTIONS":
            for entry in entries(lines):
                k, _, value = entry.partition("=")
                if k.strip().lower() == key.lower():
                    return value.strip()
    return None


def stage_file(docs, stage, relative, values):
    source = os.path.join(docs, relative)
    target = os.path.join(stage, relative)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    if not relative.lower().endswith(TEXT_SUFFIXES):
        shutil.copyfile(source, target)
        return
    with open(source, encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"charset=utf-8", "charset=Shift_JIS", text, flags=re.IGNORECASE)
    for name, value in values.items():
        text = text.replace(f"@{name}@", value)
    left = re.search(r"@[A-Z_]+@", text)
    if left:
        sys.exit(f"build_chm: {relative}: no value for {left.group(0)}")
    try:
        data = text.encode("cp932")
    except UnicodeEncodeError as error:
        sys.exit(f"build_chm: {relative}: {error.object[error.start:error.end]!r} "
                 "has no Shift-JIS code")
    with open(target, "wb") as f:
        f.write(data)


def write_project(sections, path):
    """The project without [ALIAS], with the context map among the files."""
    out = []
    for name, lines in sections:
        if name == "ALIAS":
            continue
        if name is not None:
            out.append(f"[{name}]")
        if name == "FILES":
            out.append("#IVB")
        out.extend(lines)
    with open(path, "wb") as f:
        f.write(("\r\n".join(out) + "\r\n").encode("cp932"))


def write_context_map(path, contexts, offsets):
    body = b"".join(struct.pack("<II", number, offsets.get(topic, 0))
                    for number, topic in contexts)
    with open(path, "wb") as f:
        f.write(struct.pack("<I", len(body)) + body)


def run_chmcmd(stage, project):
    result = subprocess.run(["chmcmd", "--no-html-scan", project], cwd=stage,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    problems = [l for l in result.stdout.splitlines() if l.startswith(("Error", "Warning"))]
    if result.returncode != 0 or problems:
        sys.exit("build_chm: chmcmd failed:\n" + result.stdout)


def internal_file(chm, name):
    """Bytes of one file inside the help file, read with chmls."""
    out = chm + ".part"
    subprocess.run(["chmls", "extract", chm, name, out], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(out, "rb") as f:
        data = f.read()
    os.remove(out)
    return data


def string_offsets(strings, topics):
    offsets = {}
    for topic in topics:
        at = strings.find(b"\0" + topic.encode("cp932") + b"\0")
        if at < 0:
            sys.exit(f"build_chm: {topic} is not in the help file's strings; name it in "
                     "the window definition of the project")
        offsets[topic] = at + 1
    return offsets


def uncompressed_entry(chm, name):
    """Section and offset of an entry, from chmls's listing."""
    listing = subprocess.run(["chmls", "-p", "list", chm], check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True).stdout
    for line in listing.splitlines():
        parts = line.split()
        if len(parts) == 4 and parts[3] == name:
            return int(parts[0]), int(parts[1])
    sys.exit(f"build_chm: {name} is not in {chm}")


def set_timestamps(chm, epoch):
    with open(chm, "r+b") as f:
        data = bytearray(f.read())
        if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
            sys.exit("build_chm: not an ITSF version 3 file")
        struct.pack_into("<I", data, 0x10, epoch & 0xFFFFFFFF)
        content = struct.unpack_from("<Q", data, 0x58)[0]
        section, offset = uncompressed_entry(chm, "/#SYSTEM")
        if section != 0:
            sys.exit("build_chm: #SYSTEM is compressed")
        at = content + offset + 4  # after the version
        while at + 4 <= len(data):
            code, length = struct.unpack_from("<HH", data, at)
            if code == 10 and length >= 4:
                struct.pack_into("<I", data, at + 4, epoch & 0xFFFFFFFF)
                break
            at += 4 + length
        f.seek(0)
        f.write(data)


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    docs, header, stage, output = sys.argv[1:5]
    values = dict(pair.partition("=")[::2] for pair in sys.argv[5:])
    epoch = source_date_epoch(docs)
    project_name = "ravlet.hhp"
    sections = read_project(os.path.join(docs, project_name))
    contexts = context_map(sections, template_numbers(header))
    compiled = option(sections, "Compiled file")

    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(stage)
    files = [e for name, lines in sections if name == "FILES" for e in entries(lines)]
    for extra in ("Contents file", "Index file"):
        if option(sections, extra):
            files.append(option(sections, extra))
    for relative in files:
        stage_file(docs, stage, relative, values)
    write_project(sections, os.path.join(stage, project_name))

    # First pass places the strings; the second carries the map that points at them.
    chm = os.path.join(stage, compiled)
    ivb = os.path.join(stage, "#IVB")
    write_context_map(ivb, contexts, {})
    run_chmcmd(stage, project_name)
    offsets = string_offsets(internal_file(chm, "/#STRINGS"), [t for _, t in contexts])
    write_context_map(ivb, contexts, offsets)
    run_chmcmd(stage, project_name)
    if string_offsets(internal_file(chm, "/#STRINGS"), [t for _, t in contexts]) != offsets:
        sys.exit("build_chm: the strings moved between the two passes")
    set_timestamps(chm, epoch)
    shutil.copyfile(chm, output)


if __name__ == "__main__":
    main()
