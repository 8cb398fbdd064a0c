#!/usr/bin/env python3
"""Writes the release zip again so that every build of one commit gives the same bytes.

    reproducible_zip.py STAGED_FOLDER OUTPUT_ZIP SOURCE_FOLDER

CMake's archive writer stores each file's access and change times, which differ from
one build to the next. Here the entries come in name order, all dated from the commit
(source_date_epoch.py, in UTC), with fixed permissions and no extra fields.
"""

import os
import sys
import time
import zipfile

from source_date_epoch import source_date_epoch

PROGRAMS = (".exe",)


def entry(name, epoch, mode):
    info = zipfile.ZipInfo(name, time.gmtime(epoch)[:6])
    info.create_system = 3  # Unix, so that the modes below are what unzip restores
    info.external_attr = mode << 16
    if name.endswith("/"):
        info.external_attr |= 0x10  # MS-DOS directory flag
    else:
        info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    staged, output, source = sys.argv[1:]
    epoch = source_date_epoch(source)
    top = os.path.basename(os.path.normpath(staged))
    names = []
    for folder, dirs, files in os.walk(staged):
        dirs.sort()
        relative = os.path.relpath(folder, staged)
        prefix = top + "/" if relative == "." else f"{top}/{relative.replace(os.sep, '/')}/"
        names.append((prefix, None))
        names.extend((prefix + f, os.path.join(folder, f)) for f in sorted(files))
    with zipfile.ZipFile(output + ".tmp", "w", compresslevel=9) as archive:
        for name, path in names:
            if path is None:
                archive.writestr(entry(name, epoch, 0o40755), b"")
                continue
            mode = 0o100755 if name.lower().endswith(PROGRAMS) else 0o100644
            with open(path, "rb") as f:
                archive.writestr(entry(name, epoch, mode), f.read())
    os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main()
