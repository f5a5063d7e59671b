"""Checks every program and DLL in the test kit (the zip scripts/kit writes
from the 32-bit build), read as files, for what Windows XP SP3 needs to load
them: a 32-bit image for a subsystem version it knows, and imports, by name,
of functions it exports (kit_imports.py). Wine cannot show a missing one: it
exports everything whatever Windows version it plays.

    check_kit.py KIT.zip
"""

import sys
import zipfile

import pefile

from check_release import check_imports
from kit_imports import EXPORTED

WINDOWS_XP = (5, 1)


def check(data):
    """Every fault found in the program's bytes, one sentence each."""
    try:
        pe = pefile.PE(data=data)
    except pefile.PEFormatError as error:
        return [f"not a Windows program ({error})"]
    faults = []
    optional = pe.OPTIONAL_HEADER
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]:
        faults.append(f"machine 0x{pe.FILE_HEADER.Machine:04x}, not i386 (0x014c)")
    subsystem = (optional.MajorSubsystemVersion, optional.MinorSubsystemVersion)
    if subsystem > WINDOWS_XP:
        faults.append("subsystem version %d.%d: Windows XP loads nothing above 5.1" % subsystem)
    check_imports(pe, faults.append, EXPORTED,
                  "which Windows XP SP3 does not export (tools/release/kit_imports.py)")
    return faults


def main(arguments):
    if len(arguments) != 1 or arguments[0].startswith("-"):
        print("usage: check_kit.py KIT.zip", file=sys.stderr)
        return 2
    try:
        with zipfile.ZipFile(arguments[0]) as kit:
            programs = {name: kit.read(name) for name in kit.namelist() if name.lower().endswith((".exe", ".dll"))}
    except (OSError, zipfile.BadZipFile) as error:
        print(f"check-kit: {arguments[0]}: cannot be read ({error})", file=sys.stderr)
        return 1
    faults = [f"{name}: {fault}" for name, data in sorted(programs.items()) for fault in check(data)]
    if not programs:
        faults = ["no programs in it"]
    for fault in faults:
        print(f"check-kit: {arguments[0]}: {fault}", file=sys.stderr)
    if faults:
        return 1
    print(f"check-kit: the test kit's {len(programs)} programs ({', '.join(sorted(programs))}) "
          "are for Windows XP SP3 and import only what it exports")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
