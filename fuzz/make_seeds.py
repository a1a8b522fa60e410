#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target into its own subfolder of the
folder given: for the local tables the empty order table, tables with live
and deleted rows and a few damaged headers; for the settings files Net.txt of
both kinds and Name.txt with their line ends; for the password file inputs
around the 15-byte header."""
import os
import struct
import sys

COLUMNS = [(b"KOD", b"N", 20, 0), (b"NAME", b"C", 150, 0), (b"CENA", b"F", 20, 4),
           (b"KOLVO", b"F", 20, 4), (b"PERCENT", b"N", 5, 0)]
RECORD_LENGTH = 1 + sum(c[2] for c in COLUMNS)


def header(count, version=0x03, language=0x26):
    head = struct.pack("<B3BIHH", version, 108, 7, 18, count, 32 + 32 * len(COLUMNS) + 1, RECORD_LENGTH)
    head += bytes(16) + bytes([0, language, 0, 0])
    for name, kind, length, decimals in COLUMNS:
        head += name.ljust(11, b"\0") + kind + bytes(4) + bytes([length, decimals]) + bytes(14)
    return head + b"\r"


def record(kod, name, cena, kolvo, deleted=False):
    return (b"*" if deleted else b" ") + str(kod).rjust(20).encode() + name.encode("cp866").ljust(150) \
        + ("%.4f" % cena).rjust(20).encode() + ("%.4f" % kolvo).rjust(20).encode() + b" " * 5


def table(records, **kw):
    return header(len(records), **kw) + b"".join(records) + b"\x1a"


rows = [record(12345, "Чай", 150.5, 1), record(7, "Суп", 99.99, 0.3333, deleted=True),
        record(-3, "Хлеб", 3, 2.5)]
localtable = {
    "empty.dbf": table([]),
    "rows.dbf": table(rows),
    "dbase3.dbf": table(rows[:1], language=0),
    "memo-bit.dbf": table(rows, version=0x83),
    "count-too-large.dbf": header(1000) + rows[0] + b"\x1a",
    "partial-record.dbf": table(rows)[:-100],
    "truncated-header.dbf": table([])[:100],
}
settings = {
    "local.txt": b"Local\r\nlocalhost:/var/lib/firebird/3.0/data/devazire.fdb\r\n",
    "network.txt": b"Net-IP\r\n192.168.1.20:C:\\Base\\devazire.fdb\r\n",
    "network-short.txt": b"net-ip\n10.0.7:db\n",
    "name.txt": "Иван\r\n".encode("cp1251"),
    "lone-cr.txt": b"Local\rlocalhost:/db.fdb",
    "unused-byte.txt": b"Local\r\nlocalhost:/\x98.fdb\r\n",
}
password = {
    "empty.bin": b"",
    "short.bin": b"2026120914",
    "header-only.bin": b"202612091455123",
    "password.bin": b"202612091455123" + bytes(range(0x41, 0x50)),
}
for target, seeds in {"localtable": localtable, "settings": settings, "password": password}.items():
    folder = os.path.join(sys.argv[1], target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
