"""The time every build of one commit stamps into its outputs.

SOURCE_DATE_EPOCH when it is set, otherwise the commit time of the checkout the
given folder belongs to, otherwise 1980-01-01 (the earliest date a zip entry holds).
"""

import os
import subprocess

EARLIEST_ZIP_DATE = 315532800


def source_date_epoch(folder):
    value = os.environ.get("SOURCE_DATE_EPOCH", "").strip()
    if value:
        return int(value)
    try:
        out = subprocess.run(["git", "-C", folder, "log", "-1", "--format=%ct"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True, check=True).stdout.strip()
        return max(int(out), EARLIEST_ZIP_DATE)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return EARLIEST_ZIP_DATE
