"""Signs PROGRAM in place with the identity that the environment names, or
says in one line that the release is unsigned when it names none. Every bad
input is refused before anything is written; the signed file replaces
PROGRAM only once it is whole.

    sign.py PROGRAM EPOCH REPOSITORY

KELVARA_SIGN_CERT and KELVARA_SIGN_KEY (the chain, the signer's certificate
first, and its key, in PEM) or KELVARA_SIGN_PKCS12; KELVARA_SIGN_PASSWORD_FILE
where the key has a password; KELVARA_SIGN_TIMESTAMP_URL for an RFC 3161
timestamp.
"""

import datetime
import os
import subprocess
import sys

NAME, ADDRESS = "IE Kelvara for Win32", "http://www.example.com/iekelvara/"


class Refused(Exception):
    pass


def openssl(arguments, what):
    """openssl's output; refused, saying what it could not read, where it fails."""
    done = subprocess.run(["openssl"] + arguments, stdin=subprocess.DEVNULL, capture_output=True)
    if done.returncode != 0:
        said = done.stderr.decode("utf-8", "replace").strip()
        if any(word in said for word in ("bad decrypt", "wrong password", "invalid password", "Mac verify")):
            raise Refused(f"the password in KELVARA_SIGN_PASSWORD_FILE does not open {what} (or none was given)")
        raise Refused(f"{what} cannot be read as PEM or PKCS#12 ({said.splitlines()[-1]})")
    return done.stdout.decode("utf-8", "replace")


def readable(variable, repository, secret=True):
    """The file an identity variable names, refused where it is missing or, secret, lies inside the repository."""
    path = os.path.realpath(os.environ[variable])
    if secret and os.path.commonpath([path, repository]) == repository:
        raise Refused(f"{variable} {path} lies inside the repository; keep keys outside it, so that none is committed")
    try:
        with open(path, "rb"):
            return path
    except OSError as error:
        raise Refused(f"{variable} {path} cannot be read ({error.strerror})") from None


def identity(repository):
    """The signing options for osslsigncode and the signer's certificate in PEM; None when none is named."""
    named = [variable for variable in ("KELVARA_SIGN_CERT", "KELVARA_SIGN_KEY", "KELVARA_SIGN_PKCS12")
             if os.environ.get(variable)]
    if not named:
        return None
    if named not in (["KELVARA_SIGN_CERT", "KELVARA_SIGN_KEY"], ["KELVARA_SIGN_PKCS12"]):
        raise Refused(f"{' and '.join(named)} set: name KELVARA_SIGN_CERT and KELVARA_SIGN_KEY, "
                      "or KELVARA_SIGN_PKCS12 alone")
    # The password goes to the tools in a file, never on a command line,
    # where other users of the machine would see it.
    password, given = ["-passin", "pass:"], []
    if os.environ.get("KELVARA_SIGN_PASSWORD_FILE"):
        path = readable("KELVARA_SIGN_PASSWORD_FILE", repository)
        password, given = ["-passin", f"file:{path}"], ["-readpass", path]
    if named == ["KELVARA_SIGN_PKCS12"]:
        bundle = readable("KELVARA_SIGN_PKCS12", repository)
        certificate = openssl(["pkcs12", "-in", bundle, "-nokeys", "-clcerts"] + password, "KELVARA_SIGN_PKCS12")
        key = openssl(["pkcs12", "-in", bundle, "-nocerts", "-nodes"] + password, "KELVARA_SIGN_PKCS12")
        options = ["-pkcs12", bundle]
    else:
        chain = readable("KELVARA_SIGN_CERT", repository, secret=False)
        key_file = readable("KELVARA_SIGN_KEY", repository)
        certificate = openssl(["x509", "-in", chain], "KELVARA_SIGN_CERT")
        key = openssl(["pkey", "-in", key_file] + password, "KELVARA_SIGN_KEY")
        options = ["-certs", chain, "-key", key_file]
    mine = subprocess.run(["openssl", "pkey", "-pubout"], input=key.encode(), capture_output=True).stdout
    theirs = subprocess.run(["openssl", "x509", "-noout", "-pubkey"], input=certificate.encode(),
                            capture_output=True).stdout
    if mine != theirs:
        raise Refused("the key is not the one of the signer's certificate (the first in KELVARA_SIGN_CERT)")
    return options + given, certificate


def check_certificate(certificate):
    """The subject of the signer's certificate; refused where Windows would not take it for a program now."""
    facts = subprocess.run(["openssl", "x509", "-noout", "-subject", "-dates", "-ext", "extendedKeyUsage"],
                           input=certificate.encode(), capture_output=True).stdout.decode()
    subject = facts.splitlines()[0].split("=", 1)[1]
    if "Code Signing" not in facts:
        raise Refused(f"the certificate \"{subject}\" lacks the code-signing purpose (extended key usage)")
    dates = dict(line.split("=", 1) for line in facts.splitlines() if line.startswith(("notBefore", "notAfter")))
    now = datetime.datetime.now(datetime.timezone.utc)
    since, until = (datetime.datetime.strptime(dates[k], "%b %d %H:%M:%S %Y GMT").replace(tzinfo=datetime.timezone.utc)
                    for k in ("notBefore", "notAfter"))
    if not since <= now <= until:
        raise Refused(f"the certificate \"{subject}\" is valid from {dates['notBefore']} to {dates['notAfter']}, not now")
    return subject


def main(program, epoch, repository):
    found = identity(os.path.realpath(repository))
    if found is None:
        print("package: no signing identity (KELVARA_SIGN_CERT and KELVARA_SIGN_KEY, or KELVARA_SIGN_PKCS12): "
              "the release is unsigned")
        return
    options, certificate = found
    subject = check_certificate(certificate)
    # The signing time is the commit's, so that one commit signed twice with
    # one key gives the same bytes; a timestamp differs every time.
    timestamp = os.environ.get("KELVARA_SIGN_TIMESTAMP_URL")
    command = (["osslsigncode", "sign"] + options + ["-h", "sha256", "-n", NAME, "-i", ADDRESS, "-time", epoch]
               + (["-ts", timestamp] if timestamp else []) + ["-in", program, "-out", program + ".signed"])
    done = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True)
    if done.returncode != 0:
        if os.path.exists(program + ".signed"):
            os.remove(program + ".signed")
        lines = done.stdout.decode("utf-8", "replace").splitlines() + done.stderr.decode("utf-8", "replace").splitlines()
        what = "the timestamp authority " + timestamp + " did not answer" if timestamp and any(
            "timestamp" in line.lower() or "curl" in line.lower() for line in lines) else "signing failed"
        raise Refused(f"{what} ({'; '.join(line for line in lines if line.strip() and 'error:' not in line)[:300]})")
    os.replace(program + ".signed", program)
    print(f"package: setup.exe signed by \"{subject}\", signing time {epoch}"
          + (f", timestamped by {timestamp}" if timestamp else ""))


if __name__ == "__main__":
    try:
        main(*sys.argv[1:])
    except Refused as error:
        sys.exit(f"package: not signed, and no release written: {error}")
