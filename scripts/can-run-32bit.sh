#!/usr/bin/env bash
# Succeeds when this machine's kernel runs 32-bit x86 programs, which Wine needs for
# 32-bit Windows programs. Some virtual machines run 64-bit user code only.
/usr/lib/wine/wine --version >/dev/null 2>&1
