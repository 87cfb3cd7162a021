#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one program under Wine.
# Wine's helper processes inherit stdout/stderr and outlive the program, so the
# program's output goes to a file that is printed afterwards; a pipe would keep
# CTest waiting for EOF.
set -u
. "$(dirname "$0")/wine-env.sh"
brelfx_wine_boot
brelfx_wine_output_via_file "$@"
