"""Writes a zip of every file in a folder that is the same bytes for the same
files and time, wherever it is made.

    write_zip.py FOLDER ARCHIVE EPOCH
"""

import os
import sys
import time
import zipfile


def main(folder, archive, epoch):
    # Zip times have no zone; the time is written as UTC. Entries are written
    # as from Windows, with the archive attribute only: no extra fields, owner
    # or Unix mode, so nothing of this machine gets in.
    stamp = time.gmtime(int(epoch))[:6]
    with zipfile.ZipFile(archive, "w") as out:
        for member in sorted(os.listdir(folder)):
            info = zipfile.ZipInfo(member, stamp)
            info.create_system = 0
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, member), "rb") as data:
                out.writestr(info, data.read(), compresslevel=9)


if __name__ == "__main__":
    main(*sys.argv[1:])
