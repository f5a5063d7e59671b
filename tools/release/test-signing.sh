#!/usr/bin/env bash
# The signing of a release and the release check of a signed file, with real
# parts: a throwaway root, signers and a timestamp authority made with
# openssl in a temporary folder, scripts/package signing with osslsigncode,
# and an RFC 3161 authority (openssl ts) behind an HTTP server on 127.0.0.1
# that lives as long as this test and at most five minutes. Each fault that
# scripts/check-release must refuse is planted in a copy, and each bad
# identity given to scripts/package, which must refuse it and leave no zip.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
unset KELVARA_SIGN_CERT KELVARA_SIGN_KEY KELVARA_SIGN_PKCS12 KELVARA_SIGN_PASSWORD_FILE KELVARA_SIGN_TIMESTAMP_URL
work="$(mktemp -d)"
server=""
trap '[ -z "$server" ] || kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
fail() { echo "test-signing: $*" >&2; exit 1; }

openssl req -x509 -newkey rsa:2048 -nodes -keyout root.key -out root.crt -days 2 -subj "/CN=Throwaway Root" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign" 2>/dev/null
issue() {  # NAME PURPOSE DAYS: a certificate from the root, and its chain
  openssl req -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.csr" -subj "/CN=Throwaway $1" 2>/dev/null
  printf 'extendedKeyUsage=%s\nkeyUsage=critical,digitalSignature\n' "$2" >"$1.ext"
  openssl x509 -req -in "$1.csr" -CA root.crt -CAkey root.key -CAcreateserial -days "$3" -extfile "$1.ext" \
    -out "$1.crt" 2>/dev/null
  cat "$1.crt" root.crt >"$1.chain"
}
issue signer codeSigning 2
issue server serverAuth 2
issue expired codeSigning -1
issue authority critical,timeStamping 2
echo 'throwaway password' >password
echo 'not the password' >wrong
openssl pkey -in signer.key -aes256 -passout file:password -out locked.key
openssl pkcs12 -export -in signer.chain -inkey signer.key -passout file:password -out signer.p12
me=(KELVARA_SIGN_CERT="$work/signer.chain" KELVARA_SIGN_KEY="$work/locked.key" KELVARA_SIGN_PASSWORD_FILE="$work/password")
export KELVARA_SIGN_ROOT="$work/root.crt"

release() {  # FOLDER [VARIABLE=VALUE...]: packages there and unpacks setup.exe
  local folder="$1"; shift
  env "$@" "$root/scripts/package" "$work/$folder" >"$folder.txt" || { cat "$folder.txt"; fail "$folder: packaging failed"; }
  python3 -m zipfile -e "$folder/IEKelvara-"*[0-9].zip "$folder/unpacked"
}
check() { "$root/scripts/check-release" "$@" 2>&1; }

release one "${me[@]}"
release two "${me[@]}"
cmp one/*[0-9].zip two/*[0-9].zip || fail "one commit signed twice with one identity gave two zips"
check one/*[0-9].zip || fail "the signed release was refused"
KELVARA_SIGN_ROOT= check one/unpacked/setup.exe | grep 'chain not judged' || fail "without a root the chain was judged"
release bundle KELVARA_SIGN_PKCS12="$work/signer.p12" KELVARA_SIGN_PASSWORD_FILE="$work/password"
check bundle/unpacked/setup.exe >/dev/null || fail "the release signed from PKCS#12 was refused"
release plain
grep -x 'package: .*: the release is unsigned' plain.txt
cmp plain/unpacked/setup.exe "$root/build/win32/setup.exe" || fail "the unsigned release is not the build"

# plant.py IN OUT FAULT: a copy with one fault, its checksum made right
# again where the fault is not the checksum, so that it stands alone.
cat >plant.py <<'EOF'
import sys, pefile
pe = pefile.PE(sys.argv[1])
fault = sys.argv[3]
if fault == "nx":
    pe.OPTIONAL_HEADER.DllCharacteristics &= ~0x0100
elif fault == "dynamic-base":
    pe.OPTIONAL_HEADER.DllCharacteristics &= ~0x0040
elif fault == "data":
    pe.set_bytes_at_offset(pe.sections[2].PointerToRawData + 7, b"\x5a")
code = pe.sections[0].PointerToRawData + 100
data = pe.write()
if fault == "code":
    data[code] ^= 0xFF
else:
    pe.OPTIONAL_HEADER.CheckSum = 0 if fault == "checksum" else pefile.PE(data=bytes(pe.write())).generate_checksum()
    data = pe.write()
open(sys.argv[2], "wb").write(data)
EOF
refused() {  # PROGRAM MESSAGE
  local said
  if said="$(check "$1")"; then fail "$1 was not refused"; fi
  grep -F -- "$2" <<<"$said" || { echo "$said" >&2; fail "$1 was refused without \"$2\""; }
}
sign() { osslsigncode sign -certs "$1.chain" -key "$1.key" -h sha256 -time 1 -in "$2" -out "$3" >/dev/null; }
signed=one/unpacked/setup.exe
/usr/bin/python3 -B plant.py "$signed" code.exe code
refused code.exe "a byte was changed after signing"
head -c -100 "$signed" >short.exe
refused short.exe "the signature is truncated"
sign server "$root/build/win32/setup.exe" server.exe
refused server.exe "a certificate without the code-signing purpose"
/usr/bin/python3 -B plant.py "$root/build/win32/setup.exe" other.exe data
sign signer other.exe other-signed.exe
refused other-signed.exe "with the signature removed it is not"
for fault in nx dynamic-base checksum; do
  /usr/bin/python3 -B plant.py "$root/build/win32/setup.exe" "$fault.exe" "$fault"
done
refused nx.exe "the NX flag"
refused dynamic-base.exe "the dynamic-base flag"
refused checksum.exe "header checksum 0x00000000"
{ cat "$root/build/win32/setup.exe"; echo appended; } >appended.exe
refused appended.exe "9 bytes follow the image, outside every section, and it is not signed"

# The RFC 3161 authority: openssl ts answers each query posted to it.
printf '[tsa]\ndefault_tsa=here\n[here]\nserial=%s\nsigner_cert=%s\ncerts=%s\nsigner_key=%s\n' \
  "$work/serial" "$work/authority.crt" "$work/root.crt" "$work/authority.key" >tsa.cnf
printf 'signer_digest=sha256\ndefault_policy=1.2.3.4.1\ndigests=sha256\ness_cert_id_alg=sha256\n' >>tsa.cnf
echo 01 >serial
cat >authority.py <<'EOF'
import http.server, subprocess, sys
class Authority(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", sys.argv[1], "-queryfile", "/dev/stdin",
                                "-out", "/dev/stdout"], input=query, capture_output=True, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)
    def log_message(self, *arguments):
        pass
with http.server.HTTPServer(("127.0.0.1", 0), Authority) as listening:
    open(sys.argv[2], "w").write(f"http://127.0.0.1:{listening.server_port}/\n")
    listening.serve_forever()
EOF
timeout 300 python3 -B authority.py tsa.cnf address.txt &
server=$!
for _ in $(seq 100); do [ -s address.txt ] && break; sleep 0.1; done
address="$(cat address.txt)"
release stamped "${me[@]}" KELVARA_SIGN_TIMESTAMP_URL="$address"
release stamped-again "${me[@]}" KELVARA_SIGN_TIMESTAMP_URL="$address"
check stamped/unpacked/setup.exe | grep -E 'timestamped .*, verified' || fail "the timestamp was not verified"
! cmp -s stamped/unpacked/setup.exe stamped-again/unpacked/setup.exe || fail "two timestamps were the same bytes"
kill "$server"; wait "$server" 2>/dev/null || true; server=""

bad() {  # MESSAGE [VARIABLE=VALUE...]: scripts/package refuses it, and leaves no zip
  local message="$1"; shift
  if env "$@" "$root/scripts/package" "$work/bad" >bad.txt 2>&1; then fail "packaging with $* was not refused"; fi
  grep -F -- "$message" bad.txt || { cat bad.txt >&2; fail "packaging with $* was refused without \"$message\""; }
  ! ls bad/*.zip 2>/dev/null || fail "a refused signing left a zip"
}
bad "cannot be read (No such file" KELVARA_SIGN_CERT="$work/none.pem" KELVARA_SIGN_KEY="$work/signer.key"
bad "KELVARA_SIGN_CERT cannot be read as PEM" KELVARA_SIGN_CERT="$work/password" KELVARA_SIGN_KEY="$work/signer.key"
bad "or KELVARA_SIGN_PKCS12 alone" KELVARA_SIGN_CERT="$work/signer.chain"
bad "lies inside the repository" KELVARA_SIGN_CERT="$work/signer.chain" KELVARA_SIGN_KEY="$root/README.md"
bad "does not open" "${me[@]}" KELVARA_SIGN_PASSWORD_FILE="$work/wrong"
bad "does not open" KELVARA_SIGN_PKCS12="$work/signer.p12" KELVARA_SIGN_PASSWORD_FILE="$work/wrong"
bad "not the one of the signer's certificate" KELVARA_SIGN_CERT="$work/server.chain" KELVARA_SIGN_KEY="$work/signer.key"
bad "lacks the code-signing purpose" KELVARA_SIGN_CERT="$work/server.chain" KELVARA_SIGN_KEY="$work/server.key"
bad "not now" KELVARA_SIGN_CERT="$work/expired.chain" KELVARA_SIGN_KEY="$work/expired.key"
bad "did not answer" "${me[@]}" KELVARA_SIGN_TIMESTAMP_URL="$address"
echo "test-signing: signed, timestamped and checked; 8 planted faults and 10 bad identities refused"
