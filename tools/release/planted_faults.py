"""The release check's own check: faults planted one at a time into copies of
a good setup.exe, each of which the check must report. Every fault is one a
build could really bring about, made by changing a few bytes in place.
"""

import pefile

import check_release


def with_headers(data, change):
    """The program with its header fields changed by change(pe)."""
    pe = pefile.PE(data=bytes(data))
    change(pe)
    return bytearray(pe.write())


def replaced(data, old, new, start=0):
    """The program with the first old at or after start replaced by new, as long."""
    assert len(old) == len(new)
    index = data.index(old, start)
    copy = bytearray(data)
    copy[index:index + len(old)] = new
    return copy


def resource_offset(data, kind, number):
    pe = pefile.PE(data=bytes(data))
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for item in entry.directory.entries if entry.id == kind else []:
            if item.id == number:
                return pe.get_offset_from_rva(item.directory.entries[0].data.struct.OffsetToData)
    raise LookupError(f"no resource {kind}/{number}")


def import_name_offset(data, function):
    pe = pefile.PE(data=bytes(data))
    for descriptor in pe.DIRECTORY_ENTRY_IMPORT:
        for entry in descriptor.imports:
            if entry.name == function:
                return entry.name_offset
    raise LookupError(f"no import {function}")


def subsystem_version_5(data):
    return with_headers(data, lambda pe: setattr(pe.OPTIONAL_HEADER, "MajorSubsystemVersion", 5))


def relocations_stripped(data):
    def strip(pe):
        pe.FILE_HEADER.Characteristics |= check_release.IMAGE_FILE_RELOCS_STRIPPED
        directory = check_release.optional_directory(pe, "IMAGE_DIRECTORY_ENTRY_BASERELOC")
        directory.VirtualAddress = directory.Size = 0
    return with_headers(data, strip)


def link_time_stamp(data):
    return with_headers(data, lambda pe: setattr(pe.FILE_HEADER, "TimeDateStamp", 0x3A000000))


def import_from_vista(data):
    # As long as the name it replaces, so the table keeps its shape.
    return replaced(data, b"FindFirstFileA", b"GetTickCount64", import_name_offset(data, b"FindFirstFileA"))


def import_from_other_dll(data):
    return replaced(data, b"ADVAPI32.dll\0", b"SHLWAPI.dll\0\0")


def changed_title(data):
    return replaced(data, "1.80 セ".encode("utf-16-le"), "1.81 セ".encode("utf-16-le"),
                    resource_offset(data, check_release.RT_DIALOG, 103))


def dialog_in_english(data):
    def relabel(pe):
        for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
            for item in entry.directory.entries if entry.id == check_release.RT_DIALOG else []:
                item.directory.entries[0].struct.Name = 0x0409
    return with_headers(data, relabel)


def one_icon_image(data):
    # The group's count of images, after its reserved word and type.
    offset = resource_offset(data, check_release.RT_GROUP_ICON, 102) + 4
    return replaced(data, b"\x02\x00", b"\x01\x00", offset)


def file_version_string(data):
    return replaced(data, "1, 8, 0, 0".encode("utf-16-le"), "1, 8, 0, 1".encode("utf-16-le"),
                    resource_offset(data, check_release.RT_VERSION, 1))


def elevated(data):
    return replaced(data, b'level="asInvoker"', b'level="highest"  ',
                    resource_offset(data, check_release.RT_MANIFEST, 1))


# What each fault is, the words the check's report of it must hold, and how
# it is planted.
FAULTS = (
    ("subsystem version 5.0", "subsystem version 5.0", subsystem_version_5),
    ("relocation table stripped", "relocations stripped", relocations_stripped),
    ("an import from a later Windows (FindFirstFileA renamed GetTickCount64)", "GetTickCount64", import_from_vista),
    ("a changed title (1.80 made 1.81)", "title", changed_title),
    ("a link time stamp", "link time stamp", link_time_stamp),
    ("an import from SHLWAPI.dll", "SHLWAPI.dll", import_from_other_dll),
    ("the dialog template in English", "language 0x0409", dialog_in_english),
    ("the icon group without its 256-colour image", "icon group 102", one_icon_image),
    ("FileVersion 1, 8, 0, 1", "FileVersion", file_version_string),
    ("an execution level other than asInvoker", "asInvoker", elevated),
)


def self_check(data):
    """One line per planted fault with what the check said of it, and whether all were found."""
    lines, all_found = [], True
    for description, words, plant in FAULTS:
        reports = [report for report in check_release.check(plant(bytearray(data))) if words in report]
        all_found = all_found and bool(reports)
        lines.append(f"{description}: {reports[0] if reports else 'NOT FOUND'}")
    return lines, all_found
