#!/usr/bin/env python3
"""Writes the binary stand-ins of the sample payload: compiled units (.dcu) and help files (.hlp).

They only have to look like the real thing to the installer, which copies them byte for byte.
The bytes are derived from the file name, so running this again gives the same files.
Run from the sample folder: python3 tools/make_binaries.py
"""
import hashlib
import os
import struct

UNITS = ["KvConsts", "KvGradient", "KvSpin", "KvStatus", "KvReg"]


def pseudo_random(seed, length):
    out = bytearray()
    block = seed.encode()
    while len(out) < length:
        block = hashlib.sha256(block).digest()
        out += block
    return bytes(out[:length])


def dcu(unit, version):
    # A compiled-unit look-alike: a version magic, the unit name, then opaque symbol data.
    magic = {5: b"\x4B\x56\x44\x35", 6: b"\x4B\x56\x44\x36"}[version]
    name = unit.encode()
    body = pseudo_random(f"{unit}.d{version}", 900 + 211 * len(unit))
    return magic + struct.pack("<I", len(body)) + bytes([len(name)]) + name + body


def hlp(version):
    # WinHelp files start with the magic 3F 5F 03 00; the rest is an opaque stand-in.
    body = pseudo_random(f"help.d{version}", 6000)
    header = b"\x3F\x5F\x03\x00" + struct.pack("<iii", 16, -1, 16 + len(body))
    title = f"Korvane 4.3 for Delphi {version}\0".encode()
    return header + title + body


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


for v in (5, 6):
    for u in UNITS:
        write(f"Data/d{v}/Lib/{u}.dcu", dcu(u, v))
# The Delphi 6 help file is stored in capitals on purpose: the installer must find it anyway.
write("Data/d5/Help/kvd5.hlp", hlp(5))
write("Data/d6/Help/KVD6.HLP", hlp(6))
