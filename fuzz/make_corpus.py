#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs into fuzz/corpus/<target>/: the cases of
the unit tests, encoded as FuzzInput (fuzz_input.cpp) reads them.

    python3 fuzz/make_corpus.py          # --check: only compare with the files
"""
import math
import pathlib
import struct
import sys

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"

NULL_TEXT = b"\xff"
RESET, ADD, REMOVE, CHECK, VALID_EXCHANGE, RESULT = range(6)
DEC_14_2013 = 41622.0
VALID, INVALID, NULL = 0, 1, 2


def text(s):
    if s is None:
        return NULL_TEXT
    raw = s.encode("latin-1")
    assert len(raw) < 0xE0, "plain texts are shorter than the word bytes"
    return bytes([len(raw)]) + raw


def double(value):
    return struct.pack(">d", value)


def date(value, status=VALID):
    if value is None:
        return b"\x00"
    return b"\x01" + double(value) + bytes([status & 0xFF])


def minutes(hhmm):
    return DEC_14_2013 + (hhmm // 100 * 60 + hhmm % 100) / 1440.0


def reset(report=0, my_call="W1AW", date1=DEC_14_2013, header=None):
    """report: 0, or an odd byte; header: None cancels, else the eight typed values."""
    out = bytes([RESET, report]) + text(my_call) + date(date1) + date(date1)
    if report & 1:
        if header is None:
            out += b"\x00"
        else:
            out += b"\x01" + b"".join(text(v) for v in header)
    return out


def qso(kind, call, mode="CW", prefix="K", exch_rcvd="CT", band="10m", time=12,
        freq=28012000, exch_sent="MA", my_call="W1AW"):
    when = date(time) if time is None else date(minutes(time))
    return (bytes([kind]) + text(my_call) + text(call) + when + struct.pack(">I", freq) +
            text(mode) + text("599") + text("599") + text(exch_sent) + text(exch_rcvd) +
            text(prefix) + text(band))


def check(call, mode="CW", prefix="K", band="10m", ref_band="10m"):
    return (bytes([CHECK]) + text(call) + text(mode) + text(prefix) + text(band) +
            text(ref_band))


def valid_exchange(exchange, prefix="K", flag=0):
    return bytes([VALID_EXCHANGE]) + text(exchange) + text(prefix) + bytes([flag])


def result(report_version=None):
    """In a report pass the writer asks for the host's version text next."""
    out = bytes([RESULT, 1])
    return out if report_version is False else out + text(report_version)


def engine_seeds():
    header = ["W1AW", "Pat Operator", "YCCC", "line one\r\nline two", "Mixed", "Newington",
              "W1AW K1XYZ", "CT"]
    return {
        "summary-fifty": reset() + qso(ADD, "K1ABC", "CW", "K", "CA") +
        qso(ADD, "K2XYZ", "SSB", "K", "CA") + qso(ADD, "DL1ABC", "CW", "DL", "001") +
        result(False),
        "refusals": reset() + qso(ADD, "K1ABC", exch_rcvd="") +
        qso(ADD, "K1ABC", exch_sent="") + qso(ADD, "K1ABC", "FM") + qso(ADD, "K1ABC", "cw") +
        qso(ADD, "K1ABC", exch_rcvd="XX") + qso(ADD, "K1ABC", band="15m") +
        qso(ADD, "K1ABC", band="10M") + result(False),
        "location-codes": reset() + qso(ADD, "DL1XX/MM", "CW", "DL", "r1") +
        qso(ADD, "XE1A", "SSB", "XE", "DFE") + qso(ADD, "XE2B", "SSB", "XE", "DF") +
        qso(ADD, "XE1C", "SSB", "XE", "cmx") + qso(ADD, "K1CMX", "SSB", "K", "CMX") +
        qso(ADD, "K1ABC", "CW", "K", " ma ") + qso(ADD, "K1ABC", "CW", "K", "123") +
        qso(ADD, "DL1ABC", "CW", "DL", "abc", freq=28012999) + result(False),
        "removal": reset() + qso(ADD, "K1ABC", "CW", time=10) +
        qso(ADD, "K1ABC", "SSB", time=20) + qso(ADD, "K1ABC", "CW", time=30) +
        qso(REMOVE, "K1ABC", "SSB", time=20) + qso(REMOVE, "K1ABC", "CW", time=30) +
        qso(REMOVE, "N0NE") + check("K1ABC") + check("K1ABC", "SSB") + result(False),
        "call-checks": reset() + qso(ADD, "K1ABC") + check("K1ABC") +
        check("K1ABC", band="10m", ref_band="10M") + check("K1ABC", ref_band="15m") +
        check("k1abc") + check("W9XYZ") + check("W9XYZ", prefix="VE") +
        check("K1ABC", ref_band=None) + check(None, None, None, None, None),
        "exchanges": valid_exchange("599") + valid_exchange("5990") + valid_exchange("0599") +
        valid_exchange("MA", "VE") + valid_exchange("MA", "XE") + valid_exchange("AGS") +
        valid_exchange("1234", "") + valid_exchange("CA ") + valid_exchange("R2", "VE") +
        valid_exchange("1234", "K", 1) + valid_exchange(None, None) +
        valid_exchange("CMX", "XE") + valid_exchange("SON", "XE") + valid_exchange("7", "DL") +
        valid_exchange("HI", "KH6") + valid_exchange("AK", "KL7"),
        "report-confirmed": reset(1, "W1AW/P", header=header) +
        qso(ADD, "K1ABC", "CW", "K", "CT") + qso(ADD, "DL1ABC", "SSB", "DL", "1234") +
        qso(ADD, "K2XYZ", "SSB", "K", "XX") + result("3.0.1") + result("2.5"),
        "report-cancelled": reset(1, " ") + qso(ADD, "K1ABC") + result(None) + result(None),
        "odd-dates": reset(0, "W1AW", math.nan) + qso(ADD, "K1ABC", time=None) +
        bytes([ADD]) + text("W1AW") + text("K2ABC") + date(math.inf) +
        struct.pack(">I", 28000000) + text("CW") + text("599") + text("599") + text("MA") +
        text("") + text("K") + text("10m") +
        bytes([ADD]) + text("W1AW") + text("K3ABC") + date(DEC_14_2013, INVALID) +
        struct.pack(">I", 28000000) + text("FM") + text("599") + text("599") + text("MA") +
        text("CT") + text("K") + text("10m") + result(False),
        "null-strings": reset(0, None) + bytes([ADD]) + NULL_TEXT * 2 + date(None) +
        struct.pack(">I", 0) + NULL_TEXT * 7 + bytes([REMOVE]) + NULL_TEXT * 2 + date(None) +
        struct.pack(">I", 0) + NULL_TEXT * 7 + result(False),
    }


def date_seeds():
    full = "%Y-%m-%d %H:%M:%S"
    cases = {
        "epoch": (0.0, VALID, "%Y-%m-%d %H%M"),
        "contest": (DEC_14_2013 + 12 / 1440, VALID, "%Y-%m-%d %H%M"),
        "year": (DEC_14_2013, VALID, "%Y"),
        "row-time": (DEC_14_2013 + 14 / 24 + 5 / 1440, VALID, "%H:%M"),
        "no-leap-1900": (60.0, VALID, full),
        "before-epoch": (-1.25, VALID, full),
        "first-day": (-657434.75, VALID, full),
        "last-day": (2958465.5, VALID, full),
        "half-second-up": (DEC_14_2013 + 59.5 / 86400, VALID, full),
        "day-rolls-over": (DEC_14_2013 + 86399.5 / 86400, VALID, full),
        "year-10000": (2958465.9999999, VALID, full),
        "year-99": (-657435.0, VALID, full),
        "year-99-rounding-up": (-657435.9999952335, VALID, full),
        "nan": (math.nan, VALID, "%Y"),
        "infinite": (-math.inf, VALID, "%Y"),
        "invalid": (DEC_14_2013, INVALID, "%Y"),
        "null": (DEC_14_2013, NULL, "%Y"),
        "literal": (DEC_14_2013, VALID, "100%% %q %"),
    }
    return {name: double(v) + bytes([s]) + p.encode() for name, (v, s, p) in cases.items()}


def profile(buf_size, section, key, default, value, other, content):
    return (bytes([buf_size]) + text(section) + text(key) + text(default) + text(value) +
            text(other) + content.encode("latin-1"))


def profile_seeds():
    stored = ("[Settings]\r\nplain=17\r\n  spaced  =  a b  \r\nquoted=\"q v\"\r\n"
              "half=\"open\r\nempty=\r\ntwice=first\r\ntwice=second\r\n[second]\nunix=lf\n")
    return {
        "missing-file": profile(100, "Settings", "x", "dflt", "1", "y", ""),
        "stored-values": profile(100, "SETTINGS", "PLAIN", "dflt", "18", "spaced", stored),
        "quoted": profile(100, "Settings", "quoted", "dflt", "'single'", "half", stored),
        "cut-to-buffer": profile(10, "Settings", "long", "dflt", "0123456789",
                                 "other", "[Settings]\r\nlong=0123456789\r\nother=1\r\n"),
        "empty-buffer": profile(0, "Settings", "long", "dflt", "x", "y",
                                "[Settings]\r\nlong=0123456789\r\n"),
        "blank-names": profile(50, " Settings\t", "\tStart ", "0", "1", "Claimed",
                               "[Settings]\r\nStart=0\r\nClaimed=50\r\n"),
        "shorter-value": profile(100, "Settings", "Claimed", "", "0", "Start",
                                 "[Settings]\r\nClaimed=161280\r\nStart=1\r\n"),
        "other-sections": profile(100, "Settings", "Email", "", "jo@example.org", "Name",
                                  "[Settings]\r\nName=Jo\r\nClub=YCCC\r\n\r\n[Later]\r\nx=1\r\n"),
        "null-names": profile(100, None, None, None, None, None, stored),
    }


TARGETS = {
    "engine": engine_seeds,
    "date_time": date_seeds,
    "profile": profile_seeds,
}


def main():
    check_only = "--check" in sys.argv[1:]
    stale = []
    for target, seeds in TARGETS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in seeds().items():
            path = folder / ("seed-" + name)
            if check_only:
                if not path.exists() or path.read_bytes() != data:
                    stale.append(str(path))
            else:
                path.write_bytes(data)
    if stale:
        print("not as the script writes them:", *stale, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
