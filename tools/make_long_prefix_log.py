#!/usr/bin/env python3
"""Writes a log of one station from each entity of the country file whose prefix is among the longest.

    python3 tools/make_long_prefix_log.py            rewrite samples/long-prefixes.adi
    python3 tools/make_long_prefix_log.py --check    exit 1 when the file is not what it would write

The demo replays it to show the DXCC window's grid with the 40 longest primary
prefixes of Debian's country file (the WAE mark "*" left off; among prefixes of
one length, the file's order). Each QSO is worked in CW on 10 m with a callsign
that the file lists for the entity (or one of its prefixes with a letter), sends
a serial number and names its prefix in the host's DXCC field.
"""

import datetime
import pathlib
import re
import sys

from make_sample_log import (CONTESTANT, CRLF, DXCC_FIELD, MY_STATE, ROOT, adif_field,
                             contest_start, megahertz)

COUNTRY_FILE = pathlib.Path("/usr/share/hamradio-files/cty.dat")
TARGET = ROOT / "samples" / "long-prefixes.adi"
COUNT = 40


def entities(text):
    """(primary prefix, aliases) per entity, in the file's order."""
    found = []
    for line in text.splitlines():
        fields = line.split(":")
        if line and not line[0].isspace() and len(fields) >= 8:
            found.append((fields[7].strip().lstrip("*"), []))
        elif found:
            # Zone, position and continent overrides in brackets are dropped.
            found[-1][1].extend(re.sub(r"[(\[<{~].*", "", alias)
                                for alias in re.split(r"[,;]", line.strip()) if alias)
    return found


def callsign(aliases):
    exact = [alias[1:] for alias in aliases if alias.startswith("=")]
    return exact[0] if exact else aliases[0] + "A"


def long_prefix_log(text):
    longest = sorted(entities(text), key=lambda entity: -len(entity[0]))[:COUNT]
    lines = ["The %d longest prefixes of the country file, one station each." % COUNT,
             "Written by tools/make_long_prefix_log.py; run it again to rewrite it.",
             "<ADIF_VER:5>3.1.4 <PROGRAMID:20>make_long_prefix_log <EOH>"]
    start = contest_start(2023)
    for number, (prefix, aliases) in enumerate(longest, 1):
        time = start + datetime.timedelta(minutes=3 * number)
        fields = [("CALL", callsign(aliases)), ("QSO_DATE", time.strftime("%Y%m%d")),
                  ("TIME_ON", time.strftime("%H%M")), ("BAND", "10M"),
                  ("FREQ", megahertz(28020000 + 1000 * number)), ("MODE", "CW"),
                  ("RST_SENT", "599"), ("RST_RCVD", "599"), ("STX_STRING", MY_STATE),
                  ("SRX_STRING", "%03d" % number), (DXCC_FIELD, prefix),
                  ("STATION_CALLSIGN", CONTESTANT)]
        lines.append(" ".join(adif_field(name, value, "") for name, value in fields) + " <EOR>")
    return CRLF.join(lines) + CRLF


def main(argv):
    log = long_prefix_log(COUNTRY_FILE.read_text(encoding="latin-1")).encode("ascii")
    if argv[1:] == ["--check"]:
        if not TARGET.exists() or TARGET.read_bytes() != log:
            print("samples/%s is not what tools/make_long_prefix_log.py writes" % TARGET.name)
            return 1
        return 0
    if argv[1:]:
        print("\n".join(__doc__.strip().splitlines()[2:4]), file=sys.stderr)
        return 2
    TARGET.write_bytes(log)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
