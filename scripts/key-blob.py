#!/usr/bin/env python3
"""Prints an RSA public key (PEM, "BEGIN PUBLIC KEY" or "BEGIN RSA PUBLIC KEY") as the
comma-separated bytes of a CryptoAPI PUBLICKEYBLOB for signature checks (CALG_RSA_SIGN):
BLOBHEADER, RSAPUBKEY ("RSA1", bit length, public exponent), then the modulus, least
significant byte first. The build puts these bytes into BuildConfig.h.

Usage: key-blob.py KEY.pem
"""
import base64
import sys

PUBLICKEYBLOB = 6
CUR_BLOB_VERSION = 2
CALG_RSA_SIGN = 0x2400
RSA1 = 0x31415352


def read_tlv(data, pos):
    """(tag, content start, content end) of the DER element at pos."""
    tag = data[pos]
    length = data[pos + 1]
    pos += 2
    if length & 0x80:
        count = length & 0x7F
        length = int.from_bytes(data[pos:pos + count], "big")
        pos += count
    if pos + length > len(data):
        raise ValueError("truncated DER")
    return tag, pos, pos + length


def rsa_numbers(der):
    """(modulus, exponent) of an RSAPublicKey or a SubjectPublicKeyInfo holding one."""
    tag, start, end = read_tlv(der, 0)
    if tag != 0x30:
        raise ValueError("not a DER sequence")
    first, fstart, fend = read_tlv(der, start)
    if first == 0x30:  # SubjectPublicKeyInfo: algorithm, then the key as a BIT STRING
        bits, bstart, bend = read_tlv(der, fend)
        if bits != 0x03 or der[bstart] != 0:
            raise ValueError("no key bit string")
        return rsa_numbers(der[bstart + 1:bend])
    numbers = []
    pos = start
    while pos < end and len(numbers) < 2:
        itag, istart, iend = read_tlv(der, pos)
        if itag != 0x02:
            raise ValueError("not an INTEGER")
        numbers.append(int.from_bytes(der[istart:iend], "big"))
        pos = iend
    if len(numbers) != 2:
        raise ValueError("not an RSA public key")
    return numbers[0], numbers[1]


def blob(pem_text):
    lines = [l.strip() for l in pem_text.splitlines()]
    begin = next(i for i, l in enumerate(lines) if l.startswith("-----BEGIN"))
    if "PRIVATE" in lines[begin]:
        raise ValueError("a private key: only the public half goes into the program")
    end = next(i for i, l in enumerate(lines) if l.startswith("-----END"))
    modulus, exponent = rsa_numbers(base64.b64decode("".join(lines[begin + 1:end])))
    bits = modulus.bit_length()
    if bits % 8 or exponent >= 1 << 32:
        raise ValueError("unsupported key size or exponent")
    out = bytes([PUBLICKEYBLOB, CUR_BLOB_VERSION, 0, 0]) + CALG_RSA_SIGN.to_bytes(4, "little")
    out += RSA1.to_bytes(4, "little") + bits.to_bytes(4, "little")
    out += exponent.to_bytes(4, "little") + modulus.to_bytes(bits // 8, "little")
    return out


def main():
    with open(sys.argv[1], encoding="ascii") as f:
        data = blob(f.read())
    print(",".join(str(b) for b in data))


if __name__ == "__main__":
    main()
