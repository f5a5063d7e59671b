"""Checks the setup.exe that ships, read as a file, for what the Windows
loader and the user depend on: the header, the import table, the resources
and, on a signed file, the signature (signature.py). Many machines that build it cannot execute 32-bit code, so this
is the one check of the shipped file that runs everywhere.

The expected values are written down here once more, as the wizard's tests
transcribe its texts, so that a change in the sources that alters what the
user gets fails here too.
"""

import struct
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

import pefile

import signature
from allowed_imports import ALLOWED

IMAGE_FILE_RELOCS_STRIPPED = 0x0001
IMAGE_FILE_EXECUTABLE_IMAGE = 0x0002
IMAGE_FILE_DLL = 0x2000
DYNAMIC_BASE, NX_COMPAT = 0x0040, 0x0100
DS_SETFONT = 0x40
RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 5, 14, 16, 24
JAPANESE = 0x0411

DIALOG = {
    "style": 0x10CA0BC4,
    "extended style": 0,
    "controls": 0,
    "place": (0, 0, 269, 219),
    "menu": None,
    "class": None,
    "title": "IE Kelvara for Win32 Version 1.80 セットアップ",
    "font": (9, "ＭＳ Ｐゴシック"),
}
# 32 x 32 images by their bits per pixel: 16 and 256 colours.
ICON_BITS = (4, 8)
VERSION = (1, 8, 0, 0)
VERSION_TABLE = "041104B0"
VERSION_STRINGS = {
    "Comments": "IE Kelvara セットアップ",
    "ProductName": "IE Kelvara for Win32",
    "FileDescription": "IE Kelvara for Win32 ver 1.80",
    "FileVersion": "1, 8, 0, 0",
    "ProductVersion": "1, 8, 0, 0",
    "LegalTrademarks": "\u3000",
    "PrivateBuild": "\u3000",
    "SpecialBuild": "\u3000",
}


def check_headers(pe, fail):
    header, optional = pe.FILE_HEADER, pe.OPTIONAL_HEADER
    if header.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]:
        fail(f"machine 0x{header.Machine:04x}, not i386 (0x014c)")
    if optional.Magic != pefile.OPTIONAL_HEADER_MAGIC_PE:
        fail(f"optional header 0x{optional.Magic:03x}, not PE32 (0x10b)")
    if header.Characteristics & IMAGE_FILE_DLL or not header.Characteristics & IMAGE_FILE_EXECUTABLE_IMAGE:
        fail(f"characteristics 0x{header.Characteristics:04x}: not an executable program")
    if optional.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        fail(f"subsystem {optional.Subsystem}, not the GUI (2)")
    # The 95 family and NT 4.0 refuse to load an image that asks for more.
    for what, major, minor in (
        ("subsystem", optional.MajorSubsystemVersion, optional.MinorSubsystemVersion),
        ("operating system", optional.MajorOperatingSystemVersion, optional.MinorOperatingSystemVersion),
    ):
        if (major, minor) != (4, 0):
            fail(f"{what} version {major}.{minor}, not 4.0: Windows 95 and NT 4.0 would not load it")
    # Windows loads the program elsewhere when its preferred base is taken,
    # which it can do only with the relocations.
    relocations = optional_directory(pe, "IMAGE_DIRECTORY_ENTRY_BASERELOC")
    if header.Characteristics & IMAGE_FILE_RELOCS_STRIPPED:
        fail("relocations stripped (IMAGE_FILE_RELOCS_STRIPPED is set)")
    if relocations.Size == 0 or not getattr(pe, "DIRECTORY_ENTRY_BASERELOC", None):
        fail("no base relocation table")
    if header.TimeDateStamp != 0:
        fail(f"link time stamp 0x{header.TimeDateStamp:08x}: two builds of one commit would differ")
    # What an installer's "DEP-compatible" and "ASLR-compatible" promise;
    # the 95 family and NT 4.0 ignore both flags.
    if not optional.DllCharacteristics & NX_COMPAT:
        fail("the NX flag (IMAGE_DLLCHARACTERISTICS_NX_COMPAT) is cleared: not DEP-compatible")
    if not optional.DllCharacteristics & DYNAMIC_BASE:
        fail("the dynamic-base flag (IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) is cleared: not ASLR-compatible")
    # NT checks the sum of a driver only, but a wrong one says the file was
    # altered after the linker, or a signer, wrote it.
    if optional.CheckSum != pe.generate_checksum():
        fail(f"header checksum 0x{optional.CheckSum:08x}, not 0x{pe.generate_checksum():08x} as computed from the file")


def check_imports(pe, fail, allowed=ALLOWED,
                  lacking="which Windows 98 and NT 4.0 do not both export (tools/release/allowed_imports.py)"):
    """Every import by name, from the DLLs of allowed and among its functions; lacking ends the failure."""
    delayed = optional_directory(pe, "IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT")
    if delayed.Size != 0:
        fail("delay-loaded imports, which this check cannot vouch for")
    descriptors = getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])
    if not descriptors:
        fail("no import table")
    for descriptor in descriptors:
        dll = descriptor.dll.decode("ascii", "replace")
        functions = allowed.get(dll.lower())
        if functions is None:
            fail(f"imports from {dll}, which is not one of KERNEL32, USER32, GDI32, ADVAPI32 and msvcrt.dll")
            continue
        for entry in descriptor.imports:
            if entry.import_by_ordinal:
                fail(f"imports {dll} ordinal {entry.ordinal}: ordinals differ from one Windows to the next")
            elif entry.name.decode("ascii", "replace") not in functions:
                fail(f"imports {dll} {entry.name.decode('ascii', 'replace')}, {lacking}")


def optional_directory(pe, name):
    return pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY[name]]


def resources(pe):
    """{(type, id): [(language, data)]} for every resource with a numeric id."""
    found = {}
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for kind in root.entries if root else []:
        for item in kind.directory.entries:
            for language in item.directory.entries:
                data = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                found.setdefault((kind.id, item.id), []).append((language.id, data))
    return found


def one_resource(found, kind, number, what, fail):
    """The data of the only language of a resource; None, with a failure, otherwise."""
    languages = found.get((kind, number), [])
    if len(languages) != 1:
        fail(f"{what}: missing" if not languages else f"{what}: {len(languages)} languages of it, not one")
        return None
    return languages[0]


def utf16_text(data, offset):
    end = offset
    while data[end:end + 2] != b"\0\0":
        if end + 2 > len(data):
            raise ValueError("a text runs past the end")
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def name_or_ordinal(data, offset):
    first = struct.unpack_from("<H", data, offset)[0]
    if first == 0:
        return None, offset + 2
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    return utf16_text(data, offset)


def read_dialog(data):
    """The items of a classic dialog template, as DIALOG names them."""
    style, extended, count, x, y, width, height = struct.unpack_from("<IIHhhhh", data, 0)
    menu, offset = name_or_ordinal(data, 18)
    window_class, offset = name_or_ordinal(data, offset)
    title, offset = utf16_text(data, offset)
    font = None
    if style & DS_SETFONT:
        points = struct.unpack_from("<H", data, offset)[0]
        font = (points, utf16_text(data, offset + 2)[0])
    return {"style": style, "extended style": extended, "controls": count, "place": (x, y, width, height),
            "menu": menu, "class": window_class, "title": title, "font": font}


def check_dialog(found, fail):
    resource = one_resource(found, RT_DIALOG, 103, "dialog template 103", fail)
    if resource is None:
        return
    language, data = resource
    if language != JAPANESE:
        fail(f"dialog template 103: language 0x{language:04x}, not 0x0411")
    if data[:4] == b"\x01\x00\xff\xff":
        fail("dialog template 103: an extended template, not the classic one")
        return
    for item, value in read_dialog(data).items():
        if value != DIALOG[item]:
            fail(f"dialog template 103: {item} {show(value)}, not {show(DIALOG[item])}")


def show(value):
    return f"0x{value:08X}" if isinstance(value, int) and value > 0xFFFF else repr(value)


def check_icon(found, fail):
    resource = one_resource(found, RT_GROUP_ICON, 102, "icon group 102", fail)
    if resource is None:
        return
    data = resource[1]
    count = struct.unpack_from("<HHH", data, 0)[2]
    bits = []
    for index in range(count):
        width, height, _, _, _, _, size, number = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * index)
        image = one_resource(found, RT_ICON, number, f"icon group 102: image {number}", fail)
        if image is None:
            continue
        header = image[1]
        header_size, image_width, image_height, _, bit_count = struct.unpack_from("<IiiHH", header, 0)
        if header_size != 40 or len(header) != size:
            fail(f"icon group 102: image {number} is not a bitmap of the size the group gives")
        elif (width, height, image_width, image_height) != (32, 32, 32, 64):
            fail(f"icon group 102: image {number} is {image_width} x {image_height // 2}, not 32 x 32")
        bits.append(bit_count)
    if tuple(sorted(bits)) != ICON_BITS:
        fail(f"icon group 102: images of {sorted(bits)} bits per pixel, not one of 16 and one of 256 colours")


def version_node(data, offset):
    """(key, value bytes, children, end) of one node of a version resource."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    if length < 6:
        raise ValueError(f"a block of {length} bytes")
    key, position = utf16_text(data, offset + 6)
    position = (position + 3) & ~3
    value = data[position:position + (value_length * 2 if is_text else value_length)]
    position = (position + len(value) + 3) & ~3
    children, end = [], offset + length
    while position < end:
        child = version_node(data, position)
        children.append(child)
        position = (child[3] + 3) & ~3
    return key, value, children, end


def check_version(found, fail):
    resource = one_resource(found, RT_VERSION, 1, "version resource", fail)
    if resource is None:
        return
    key, fixed, blocks, _ = version_node(resource[1], 0)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed.ljust(24, b"\0"))
    if key != "VS_VERSION_INFO" or signature != 0xFEEF04BD:
        fail("version resource: not a version block")
        return
    for what, high, low in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        numbers = (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)
        if numbers != VERSION:
            fail(f"version resource: {what} version {numbers}, not {VERSION}")
    children = {block[0]: block[2] for block in blocks}
    tables = {table[0].upper(): table[2] for table in children.get("StringFileInfo", [])}
    if list(tables) != [VERSION_TABLE]:
        fail(f"version resource: string tables {list(tables)}, not only {VERSION_TABLE}")
    strings = {name: value.decode("utf-16-le").rstrip("\0") for name, value, _, _ in tables.get(VERSION_TABLE, [])}
    for name, expected in VERSION_STRINGS.items():
        if strings.get(name) != expected:
            fail(f"version resource: {name} {strings.get(name)!r}, not {expected!r}")
    translations = [value for name, value, _, _ in children.get("VarFileInfo", []) if name == "Translation"]
    if translations != [struct.pack("<HH", JAPANESE, 0x04B0)]:
        fail("version resource: the translation is not 0x0411, 0x04B0 alone")


def check_manifest(found, fail):
    resource = one_resource(found, RT_MANIFEST, 1, "manifest", fail)
    if resource is None:
        return
    try:
        levels = [element.attrib for element in ElementTree.fromstring(resource[1]).iter()
                  if element.tag.endswith("}requestedExecutionLevel")]
    except ElementTree.ParseError as error:
        fail(f"manifest: not XML ({error})")
        return
    # Windows elevates a program named setup.exe unless told otherwise.
    requested = [(level.get("level"), level.get("uiAccess", "false")) for level in levels]
    if requested != [("asInvoker", "false")]:
        fail(f"manifest: requested execution levels {requested or 'none'}, not asInvoker without uiAccess")


def check(data, unsigned_build):
    """Every fault found in the file's bytes, one sentence each, none when it is as it should be;
    and a note of its signature, None when it has none."""
    faults = []
    try:
        pe = pefile.PE(data=data)
    except pefile.PEFormatError as error:
        return [f"not a Windows program ({error})"], None
    check_headers(pe, faults.append)
    signed = signature.check(pe, data, unsigned_build, faults.append)
    check_imports(pe, faults.append)
    try:
        found = resources(pe)
    except AttributeError:
        return faults + ["the resource directory cannot be read"], signed
    for check_resource in (check_dialog, check_icon, check_version, check_manifest):
        try:
            check_resource(found, faults.append)
        except (struct.error, ValueError) as error:
            faults.append(f"a resource cannot be read ({error})")
    return faults, signed


def summary(data, signed):
    pe = pefile.PE(data=data)
    functions = sum(len(descriptor.imports) for descriptor in pe.DIRECTORY_ENTRY_IMPORT)
    return (f"PE32 i386 GUI program for Windows 4.0, relocations kept, no link time, NX and dynamic base, "
            f"checksum right; {functions} imports from {len(pe.DIRECTORY_ENTRY_IMPORT)} DLLs, all in both "
            "Windows 98 and NT 4.0; dialog 103, icon 102, version 1.8.0.0 and asInvoker as they should be; "
            + (signed or "not signed, nothing after the image"))


def main(arguments):
    if len(arguments) not in (1, 2) or any(argument.startswith("-") for argument in arguments):
        print("usage: check_release.py PROGRAM|RELEASE.zip [UNSIGNED_BUILD]", file=sys.stderr)
        return 2
    path = arguments[0]
    try:
        if path.endswith(".zip"):
            with zipfile.ZipFile(path) as release:
                data = release.read("setup.exe")
            path += ": setup.exe"
        else:
            with open(path, "rb") as program:
                data = program.read()
    except (OSError, KeyError, zipfile.BadZipFile) as error:
        print(f"check-release: {path}: cannot be read ({getattr(error, 'strerror', None) or error})", file=sys.stderr)
        return 1
    faults, signed = check(data, arguments[1] if len(arguments) == 2 else None)
    for fault in faults:
        print(f"check-release: {path}: {fault}", file=sys.stderr)
    if faults:
        return 1
    print(f"check-release: {path}: {summary(data, signed)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
