"""Reads and checks the Authenticode signature of a Windows program: the
certificate table after the image, the PKCS#7 signed data in it, the digest
it signs, the signer's certificate and an RFC 3161 timestamp. The digest and
the structure are read here; the signature's cryptography and its chain are
left to osslsigncode and openssl, and judged only against a root that the
caller names.
"""

import hashlib
import os
import subprocess
import tempfile

import pefile

SECURITY = pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_SECURITY"]
WIN_CERT_REVISION_2_0, WIN_CERT_TYPE_PKCS_SIGNED_DATA = 0x0200, 0x0002
# Object identifiers as their DER contents.
SPC_INDIRECT_DATA = bytes.fromhex("2b060104018237020104")
SHA256 = bytes.fromhex("608648016503040201")
RFC3161_TIMESTAMP = bytes.fromhex("2b060104018237030301")


class Unreadable(ValueError):
    pass


def tlv(data, offset, end=None):
    """(tag, start of the value, end of the value) of the DER element at offset."""
    end = len(data) if end is None else end
    if offset + 2 > end:
        raise Unreadable("an element runs past the end")
    tag, length, start = data[offset], data[offset + 1], offset + 2
    if length & 0x80:
        count = length & 0x7F
        length, start = int.from_bytes(data[start:start + count], "big"), start + count
    if start + length > end:
        raise Unreadable(f"an element of {length} bytes at {offset} runs {start + length - end} bytes past its end")
    return tag, start, start + length


def elements(data, start, end):
    """[(tag, start of the value, end, start of the element)] one level inside data[start:end]."""
    found = []
    while start < end:
        found.append(tlv(data, start, end) + (start,))
        start = found[-1][2]
    return found


def image_end(pe):
    return max([pe.OPTIONAL_HEADER.SizeOfHeaders] +
               [s.PointerToRawData + s.SizeOfRawData for s in pe.sections if s.SizeOfRawData])


def certificate_table(pe, data, fail):
    """The offset of the certificate table and the PKCS#7 data in it; None for an unsigned file or a fault."""
    entry = pe.OPTIONAL_HEADER.DATA_DIRECTORY[SECURITY]
    end = image_end(pe)
    if entry.VirtualAddress == 0 and entry.Size == 0:
        if len(data) != end:
            fail(f"{len(data) - end} bytes follow the image, outside every section, and it is not signed")
        return None
    offset, size = entry.VirtualAddress, entry.Size
    if offset != end:
        fail(f"the certificate table begins at byte {offset}, not where the image ends ({end})")
        return None
    if offset + size > len(data):
        fail(f"the signature is truncated: the certificate table is {size} bytes, the file holds {len(data) - offset}")
        return None
    if offset + size < len(data):
        fail(f"{len(data) - offset - size} bytes follow the certificate table")
    length = int.from_bytes(data[offset:offset + 4], "little")
    revision = int.from_bytes(data[offset + 4:offset + 6], "little")
    kind = int.from_bytes(data[offset + 6:offset + 8], "little")
    if (revision, kind) != (WIN_CERT_REVISION_2_0, WIN_CERT_TYPE_PKCS_SIGNED_DATA) or not 8 < length <= size:
        fail(f"the certificate table holds no Authenticode signature (revision 0x{revision:04x}, "
             f"type {kind}, {length} of {size} bytes)")
        return None
    return offset, data[offset + 8:offset + length]


def digest(pe, data, table_offset):
    """The Authenticode SHA-256 of the file: all but the checksum, the table's place and the table."""
    checksum = pe.OPTIONAL_HEADER.get_file_offset() + 64
    security = pe.OPTIONAL_HEADER.DATA_DIRECTORY[SECURITY].get_file_offset()
    return hashlib.sha256(data[:checksum] + data[checksum + 4:security] + data[security + 8:table_offset]).digest()


def unsigned(pe, data, table_offset):
    """The file as it was before signing: no table, no place for it, and its checksum again."""
    security = pe.OPTIONAL_HEADER.DATA_DIRECTORY[SECURITY].get_file_offset()
    image = bytearray(data[:table_offset])
    image[security:security + 8] = bytes(8)
    bare = pefile.PE(data=bytes(image), fast_load=True)
    bare.OPTIONAL_HEADER.CheckSum = bare.generate_checksum()
    return bare.write()


def signed_data(pkcs7):
    """What the checks need of the PKCS#7 signed data: digest, certificates, signer, signature, timestamp."""
    def inside(element):
        return elements(pkcs7, element[1], element[2])

    content_info = inside(tlv(pkcs7, 0) + (0,))
    fields = inside(inside(content_info[1])[0])
    content_type, content = inside(fields[2])[:2]
    if pkcs7[content_type[1]:content_type[2]] != SPC_INDIRECT_DATA:
        raise Unreadable("the signed content is not a program's digest")
    algorithm, value = inside(inside(inside(content)[0])[1])
    certificates = [pkcs7[c[3]:c[2]] for f in fields if f[0] == 0xA0 for c in inside(f)]
    signer = inside(inside(fields[-1])[0])
    serial = inside(signer[1])[1]
    signature = next(f for f in signer if f[0] == 0x04)
    timestamp = None
    for attributes in (f for f in signer if f[0] == 0xA1):
        for kind, values in (inside(attribute)[:2] for attribute in inside(attributes)):
            if pkcs7[kind[1]:kind[2]] == RFC3161_TIMESTAMP:
                token = inside(values)[0]
                timestamp = pkcs7[token[3]:token[2]]
    return {"algorithm": pkcs7[inside(algorithm)[0][1]:inside(algorithm)[0][2]], "digest": pkcs7[value[1]:value[2]],
            "certificates": certificates, "serial": int.from_bytes(pkcs7[serial[1]:serial[2]], "big"),
            "signature": pkcs7[signature[1]:signature[2]], "timestamp": timestamp}


def openssl(arguments, data=b""):
    """openssl's exit status and its output and errors together."""
    done = subprocess.run(["openssl"] + arguments, input=data, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return done.returncode, done.stdout.decode("utf-8", "replace")


def certificate(der):
    """(serial, subject, whether it may sign code) of a certificate."""
    _, text = openssl(["x509", "-inform", "DER", "-noout", "-serial", "-subject", "-ext", "extendedKeyUsage"], der)
    fields = dict(line.split("=", 1) for line in text.splitlines() if line.startswith(("serial=", "subject=")))
    return int(fields.get("serial", "-1"), 16), fields.get("subject", "?"), "Code Signing" in text


def reason(text):
    """The lines of a tool's output that say why it failed."""
    lines = [line.strip() for line in text.splitlines()
             if any(word in line.lower() for word in ("error", "fail", "unsupported", "unable", "mismatch"))]
    return "; ".join(dict.fromkeys(lines)) or text.strip()


def check_timestamp(token, signature, root, fail):
    """A note of when the signature was timestamped, judged against root where one is named."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "token.der")
        with open(path, "wb") as out:
            out.write(token)
        _, text = openssl(["ts", "-reply", "-token_in", "-in", path, "-token_out", "-text"])
        when = next((line.split(":", 1)[1].strip() for line in text.splitlines() if line.startswith("Time stamp:")), None)
        if when is None:
            fail(f"the timestamp cannot be read ({reason(text)})")
            return "timestamp unreadable"
        if root is None:
            return f"timestamped {when}, not judged"
        # The authority signs a digest of the signature's value.
        status, text = openssl(["ts", "-verify", "-token_in", "-in", path, "-CAfile", root,
                                "-digest", hashlib.sha256(signature).hexdigest()])
    if status != 0 or "Verification: OK" not in text:
        fail(f"the timestamp of {when} does not verify against KELVARA_SIGN_ROOT ({reason(text)})")
    return f"timestamped {when}, verified"


def verify(data, root):
    """osslsigncode's verdict on the signature and its chain: None where they verify, or why not."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "setup.exe")
        with open(path, "wb") as out:
            out.write(data)
        done = subprocess.run(["osslsigncode", "verify", "-CAfile", root, "-TSA-CAfile", root, "-in", path],
                              stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return None if done.returncode == 0 else reason(done.stdout.decode("utf-8", "replace"))


def check(pe, data, reference, fail):
    """The checks of a signed file; a note of what was found for the summary, or None for an unsigned one."""
    table = certificate_table(pe, data, fail)
    if table is None:
        return None
    offset, pkcs7 = table
    try:
        signed = signed_data(pkcs7)
    except (Unreadable, IndexError, StopIteration) as error:
        fail(f"the signature cannot be read, it may be truncated ({error})")
        return None
    if signed["algorithm"] != SHA256:
        fail(f"the signature's digest is not SHA-256 (algorithm {signed['algorithm'].hex()})")
    elif signed["digest"] != digest(pe, data, offset):
        fail(f"a byte was changed after signing: the file's digest is {digest(pe, data, offset).hex()[:16]}..., "
             f"the signed one {signed['digest'].hex()[:16]}...")
    signers = [certificate(der) for der in signed["certificates"]]
    subject, code_signing = next(((s, c) for number, s, c in signers if number == signed["serial"]), ("?", False))
    if not code_signing:
        fail(f"signed by \"{subject}\", a certificate without the code-signing purpose")
    root = os.environ.get("KELVARA_SIGN_ROOT") or None
    if root is None:
        chain = "chain not judged (KELVARA_SIGN_ROOT not set)"
    else:
        chain = f"chain verified against {root}"
        refused = verify(data, root)
        if refused:
            fail(f"the signature does not verify against KELVARA_SIGN_ROOT {root} ({refused})")
    stamp = "no timestamp"
    if signed["timestamp"] is not None:
        stamp = check_timestamp(signed["timestamp"], signed["signature"], root, fail)
    expected = None
    try:
        with open(reference, "rb") as build:
            expected = build.read()
    except TypeError:
        fail("no unsigned build named to compare it with")
    except OSError as error:
        fail(f"the unsigned build {reference} to compare with cannot be read ({error.strerror})")
    bare = unsigned(pe, data, offset)
    if expected is not None and bare != expected:
        first = next((i for i, (a, b) in enumerate(zip(bare, expected)) if a != b), min(len(bare), len(expected)))
        fail(f"with the signature removed it is not {reference} byte for byte "
             f"({len(bare)} and {len(expected)} bytes, the first difference at byte {first})")
    return (f"signed with SHA-256 by \"{subject}\", {len(signers)} certificates embedded, {chain}; {stamp}; "
            f"with the signature removed, {reference} byte for byte")
