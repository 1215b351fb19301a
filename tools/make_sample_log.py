#!/usr/bin/env python3
"""Writes the sample ARRL 10 Meter Contest log and what the module must make of it.

    python3 tools/make_sample_log.py            rewrite the files in samples/
    python3 tools/make_sample_log.py --check    exit 1 when samples/ is not what it would write

The log is made up from a fixed seed, so every run writes the same bytes. Its
expected outcome is worked out here from the contest's rules, without the
module's code: per QSO whether AddData0 stores it, the DXCC prefix the host
must find for it and the multipliers it brings; the lines of "err.txt"; the
summary text that GetResult0 returns outside report mode; and the Cabrillo
log of a report pass whose header dialog is answered with the values of
arrl10m-sample.header.txt (the host simulator's --header arguments).
"""

import datetime
import random
import sys

from contest_rules import (CANADA, CRLF, ROOT, US_STATES, HostQso, Score, cabrillo_log,
                           cabrillo_qso_line, summary_text, write_or_check)

SAMPLES = ROOT / "samples"
BASE = "arrl10m-sample"
SEED = 10
CONTESTANT = "N1ZQX"
MY_STATE = "MA"
DXCC_FIELD = "APP_VEXO_DXCC_PREFIX"

# US call areas and the states in them (Alaska and Hawaii have countries of their own).
US_AREAS = {
    "1": "CT ME MA NH RI VT", "2": "NJ NY", "3": "DE DC MD PA", "4": "AL FL GA KY NC SC TN VA",
    "5": "AR LA MS NM OK TX", "6": "CA", "7": "AZ ID MT NV OR UT WA WY", "8": "MI OH WV",
    "9": "IL IN WI", "0": "CO IA KS MN MO NE ND SD",
}
# Prefixes of the mainland United States; KG4, KH, KL, KP and the like are other countries.
US_PREFIXES = ("K W N KA KB KD KE KF KI KJ KK KM KN KO KQ KR KS KT KU KV KW KX KY KZ WA WB WD "
               "AA AB AC AD AE AF AG AI AJ").split()
# Canadian call areas: (prefix and digit, province).
CANADIAN_AREAS = [("VE1", "NS"), ("VE2", "QC"), ("VA2", "QC"), ("VE3", "ON"), ("VA3", "ON"),
                  ("VE4", "MB"), ("VE5", "SK"), ("VE6", "AB"), ("VA6", "AB"), ("VE7", "BC"),
                  ("VA7", "BC"), ("VE9", "NB"), ("VO1", "NL"), ("VY2", "PE"), ("VE8", "NT"),
                  ("VY1", "YT"), ("VY0", "NU")]
MEXICAN_AREAS = {"XE1": "DF DFE EMX JAL MIC MOR PUE QRO HGO TLX VER GTO COL NAY",
                 "XE2": "BAC BCS CHH COA DGO NLE SIN SON TAM ZAC AGS SLP",
                 "XE3": "CAM CHI GRO OAX QUI TAB YUC"}
# DX countries: (DXCC prefix, call prefixes, call-area digits), avoiding the
# prefixes and digits that belong to islands or other countries.
DX_COUNTRIES = [
    ("DL", "DL DK DJ DF DG DO", "123456789"), ("G", "G M", "034"), ("F", "F", "145689"),
    ("I", "I IK IZ", "12345678"), ("EA", "EA EB EC", "123457"),
    ("JA", "JA JH JR JE JF JG JI JJ JK JL JM JN JO JP JQ JS", "1234567890"),
    ("PY", "PY PU", "12345789"), ("LU", "LU LW", "123456789"), ("VK", "VK", "234567"),
    ("ZS", "ZS", "123456"), ("OH", "OH", "123456789"), ("SM", "SM SA", "1234567"),
    ("ON", "ON", "45678"), ("PA", "PA PD PE", "0123456789"), ("UA", "UA RA RW RZ", "1346"),
    ("UA9", "UA RA", "90"), ("HA", "HA HG", "123456789"), ("OK", "OK OL", "12"),
    ("SP", "SP SQ", "123456789"), ("YO", "YO", "23456789"), ("LY", "LY", "12345"),
    ("9A", "9A", "1234567"), ("S5", "S5", "1234567"), ("ZL", "ZL", "1234"),
    ("CE", "CE CA XQ", "12345678"), ("CX", "CX", "123456789"), ("HK", "HK", "1234567"),
    ("LZ", "LZ", "12345"), ("OE", "OE", "123456789"), ("HB", "HB", "9"),
    ("OZ", "OZ", "123456789"), ("LA", "LA", "123456789"), ("EI", "EI", "23456789"),
    ("CT", "CT", "12457"), ("YV", "YV", "123456789"), ("BY", "BY BG BD", "123456789"),
    ("HL", "HL DS", "12345"), ("VU", "VU", "2"), ("4X", "4X 4Z", "123456"),
]
# Countries of the United States' own islands and Alaska: their stations send
# a state, but the module takes any exchange from them as a serial number.
US_ISLANDS = [("KL", "KL7", "AK"), ("KH6", "KH6", "HI"), ("KP4", "KP4", "127")]
# Stations at sea, with the IARU region of their position.
MARITIME = [("DL", "DL3", "R1"), ("K", "W7", "R2"), ("JA", "JA2", "R3"), ("G", "G3", "R1")]
# Callsigns with a slash: (callsign, DXCC prefix, exchange).
PORTABLE = [("VE3/W8QZK", "VE", "ON"), ("K4QXJ/VE7", "VE", "BC"), ("DL/N2XQW", "DL", "231"),
            ("W9QTJ/QRP", "K", "IL"), ("G4XQZ/P", "G", "088"), ("UA3QZX/9", "UA9", "415")]

# The operator's answers in the Cabrillo header dialog of the report pass, by
# field label; a soapbox "\\n" starts a new line.
HEADER = [("NAME", "Pat Q. Operator"), ("ADDRESS", "12 Antenna Lane"),
          ("ADDRESS-CITY", "Newington"), ("ADDRESS-STATE-PROVINCE", "CT"),
          ("ADDRESS-POSTALCODE", "06111"), ("ADDRESS-COUNTRY", "USA"),
          ("E-MAIL", "n1zqx@example.org"), ("CLUB", "Yankee Clipper Contest Club"),
          ("CATEGORY-MODE", "Mixed"), ("CATEGORY-POWER", "LOW"),
          ("SOAPBOX", "Fun contest, band open to Europe on Saturday.\\nThanks for the QSOs!")]
# The host simulator's version, as the CREATED-BY line names it.
HOST_VERSION = "2.6"

CW_KHZ = (28000, 28300)
SSB_KHZ = (28300, 29000)


class Qso:
    """One QSO of the log and the ADIF fields that tell it."""

    def __init__(self, call, prefix, mode, exch_rcvd, kind):
        self.call = call
        self.prefix = prefix      # the DXCC prefix the host must find
        self.mode = mode          # as the host names it: CW, SSB, FM
        self.exch_rcvd = exch_rcvd
        self.kind = kind          # what the sample shows with it
        self.band = "10M"
        self.khz_range = CW_KHZ if mode == "CW" else SSB_KHZ
        self.time = None
        self.hz = 0
        self.line = 0
        self.style = set()        # how the record is written (see adif_record)


class Generator:
    def __init__(self):
        self.rng = random.Random(SEED)
        self.used = set()

    def suffix(self, letters):
        # No Q (Q-signal lookalikes), and no Z to start with: LU1Z.. and the
        # like are stations in Antarctica.
        first = self.rng.choice("ABCDEFGHIJKLMNOPRSTUVWXY")
        return first + "".join(self.rng.choice("ABCDEFGHIJKLMNOPRSTUVWXYZ")
                               for _ in range(letters - 1))

    def new_call(self, make):
        while True:
            call = make()
            if call not in self.used:
                self.used.add(call)
                return call

    def us_station(self):
        area = self.rng.choice(sorted(US_AREAS))
        prefix = self.rng.choice(US_PREFIXES)
        letters = self.rng.choice([2, 3, 3]) if len(prefix) == 1 else self.rng.choice([2, 3])
        call = self.new_call(lambda: prefix + area + self.suffix(letters))
        return call, self.rng.choice(US_AREAS[area].split())

    def canadian_station(self):
        area, province = self.rng.choice(CANADIAN_AREAS)
        return self.new_call(lambda: area + self.suffix(self.rng.choice([2, 3]))), province

    def mexican_station(self):
        area = self.rng.choice(sorted(MEXICAN_AREAS))
        call = self.new_call(lambda: area + self.suffix(self.rng.choice([2, 3])))
        return call, self.rng.choice(MEXICAN_AREAS[area].split())

    def dx_station(self):
        country, prefixes, digits = self.rng.choice(DX_COUNTRIES)
        prefix = self.rng.choice(prefixes.split())
        call = self.new_call(
            lambda: prefix + self.rng.choice(digits) + self.suffix(self.rng.choice([2, 3])))
        return call, country

    def serial(self):
        number = self.rng.randint(1, 1200)
        return "%03d" % number

    def mode(self):
        return "CW" if self.rng.random() < 0.55 else "SSB"

    def plan(self):
        """Every QSO of the log, in the order they are worked."""
        qsos = []
        for _ in range(170):
            call, state = self.us_station()
            qsos.append(Qso(call, "K", self.mode(), state, "US"))
        for _ in range(20):
            call, province = self.canadian_station()
            qsos.append(Qso(call, "VE", self.mode(), province, "Canada"))
        for _ in range(12):
            call, state = self.mexican_station()
            qsos.append(Qso(call, "XE", self.mode(), state, "Mexico"))
        for _ in range(80):
            call, country = self.dx_station()
            qsos.append(Qso(call, country, self.mode(), self.serial(), "DX"))
        for country, area, code in US_ISLANDS:
            call = self.new_call(lambda: area + self.suffix(3))
            qsos.append(Qso(call, country, self.mode(), code, "US island"))
        for country, area, region in MARITIME:
            call = self.new_call(lambda: area + self.suffix(3)) + "/MM"
            qsos.append(Qso(call, country, self.mode(), region, "maritime mobile"))
        for call, country, exchange in PORTABLE:
            qsos.append(Qso(call, country, self.mode(), exchange, "portable"))
        self.rng.shuffle(qsos)
        self.add_repeats(qsos)
        self.add_refusals(qsos)
        return qsos

    def add_repeats(self, qsos):
        # Worked again later in the same mode (duplicates), and in the other mode.
        for i, kind in [(10, "duplicate"), (40, "duplicate"), (95, "duplicate"),
                        (150, "duplicate"), (20, "again in the other mode"),
                        (60, "again in the other mode"), (120, "again in the other mode")]:
            first = qsos[i]
            mode = first.mode if kind == "duplicate" else ("SSB" if first.mode == "CW" else "CW")
            again = Qso(first.call, first.prefix, mode, first.exch_rcvd, kind)
            qsos.insert(self.rng.randint(i + 5, len(qsos)), again)

    def add_refusals(self, qsos):
        us = [self.us_station() for _ in range(4)]
        empty = Qso(us[0][0], "K", "SSB", "", "empty exchange")
        bad_code = Qso(us[1][0], "K", "CW", "XX", "bad location code")
        fm = Qso(us[2][0], "K", "FM", us[2][1], "FM mode")
        fm.khz_range = (29600, 29690)
        other_band = Qso(us[3][0], "K", "CW", us[3][1], "other band")
        other_band.band = "15M"
        other_band.khz_range = (21000, 21200)
        for qso in [empty, bad_code, fm, other_band]:
            qsos.insert(self.rng.randint(10, len(qsos)), qso)

    def schedule(self, qsos, start):
        """Times over the contest's 48 hours and frequencies in the mode's part of the band."""
        seconds = sorted(self.rng.sample(range(48 * 3600), len(qsos)))
        for qso, second in zip(qsos, seconds):
            qso.time = start + datetime.timedelta(seconds=second)
            low, high = qso.khz_range
            qso.hz = self.rng.randint(low * 10, high * 10) * 100
            if self.rng.random() < 0.2:
                qso.hz += self.rng.randint(0, 99)

    def styles(self, qsos):
        """Ways of writing a record that a reader must cope with, spread over the log."""
        choices = [("seconds", 0.3), ("typed", 0.2), ("lower case", 0.05), ("no band", 0.05),
                   ("sent state", 0.05), ("numbers", 0.3), ("received state", 0.15),
                   ("sideband", 0.5), ("dxcc field", 0.05)]
        for qso in qsos:
            for style, chance in choices:
                if self.rng.random() < chance:
                    qso.style.add(style)
        qsos[len(qsos) // 2].style.add("comment")


def contest_start(year):
    """0000 UTC on the second Saturday of December."""
    first = datetime.datetime(year, 12, 1)
    first_saturday = first + datetime.timedelta(days=(5 - first.weekday()) % 7)
    return first_saturday + datetime.timedelta(days=7)


def megahertz(hz):
    text = "%d.%06d" % (hz // 1000000, hz % 1000000)
    return text.rstrip("0").rstrip(".") if hz % 1000 else text[:-3]


def adif_field(name, value, style, type_letter=None):
    if "lower case" in style:
        name = name.lower()
    tag_text = "%s:%d" % (name, len(value.encode("ascii")))
    if type_letter and "typed" in style:
        tag_text += ":" + type_letter
    return "<%s>%s" % (tag_text, value)


def adif_record(qso):
    s = qso.style
    time_format = "%H%M%S" if "seconds" in s else "%H%M"
    rst = "599" if qso.mode == "CW" else "59"
    fields = [("CALL", qso.call, None),
              ("QSO_DATE", qso.time.strftime("%Y%m%d"), "D"),
              ("TIME_ON", qso.time.strftime(time_format), "T")]
    if "no band" not in s:
        fields.append(("BAND", qso.band, "E"))
    fields.append(("FREQ", megahertz(qso.hz), "N"))
    if qso.mode == "SSB":
        if "sideband" in s:
            fields += [("MODE", "SSB", "E"), ("SUBMODE", "USB", "E")]
        else:
            fields.append(("MODE", "USB", None))
    else:
        fields.append(("MODE", qso.mode, "E"))
    fields += [("RST_SENT", rst, None), ("RST_RCVD", rst, None)]
    fields.append(("MY_STATE", MY_STATE, "E") if "sent state" in s else
                  ("STX_STRING", MY_STATE, "S"))
    fields += received_exchange(qso)
    if "dxcc field" in s:
        fields.append((DXCC_FIELD, qso.prefix, "S"))
    fields += [("STATION_CALLSIGN", CONTESTANT, None), ("CONTEST_ID", "ARRL-10", None)]
    if "comment" in s:
        fields.append(("COMMENT", "asked for a repeat" + CRLF + "of the exchange", "M"))
    end = "<eor>" if "lower case" in s else "<EOR>"
    return " ".join(adif_field(n, v, s, t) for n, v, t in fields) + " " + end + CRLF


def received_exchange(qso):
    exchange = qso.exch_rcvd
    if exchange.isdigit() and "numbers" in qso.style:
        return [("SRX", str(int(exchange)), "N")]
    if exchange in US_STATES and qso.prefix == "K" and "received state" in qso.style:
        return [("STATE", exchange, "E")]
    if exchange in CANADA and qso.prefix == "VE" and "received state" in qso.style:
        return [("VE_PROV", exchange, "E")]
    return [("SRX_STRING", exchange, "S")]


def received_text(qso):
    """The received exchange as the host passes it on."""
    return str(int(qso.exch_rcvd)) if qso.exch_rcvd.isdigit() and "numbers" in qso.style \
        else qso.exch_rcvd


def adif_log(qsos, year):
    header = ("ARRL 10 Meter Contest %d, a made-up log of %s (seed %d)." % (year, CONTESTANT, SEED)
              + CRLF + "Written by tools/make_sample_log.py; run it again to rewrite it." + CRLF
              + "<ADIF_VER:5>3.1.4 <PROGRAMID:15>make_sample_log <EOH>" + CRLF)
    text = header
    for qso in qsos:
        qso.line = text.count("\n") + 1
        text += adif_record(qso)
    return text


def host_qso(qso):
    """The QSO as the host hands it to AddData0."""
    rst = "599" if qso.mode == "CW" else "59"
    return HostQso(CONTESTANT, qso.call, qso.prefix, qso.band.lower(), qso.mode, qso.hz // 1000,
                   qso.time, rst, MY_STATE, rst, received_text(qso))


def expected_record(qsos, year):
    """The per-QSO record, "err.txt", the summary and the Cabrillo log's QSO lines."""
    score = Score()
    rows = []
    qso_lines = []
    for qso in qsos:
        added, outcome, points, new = score.take(host_qso(qso))
        rows.append("\t".join([str(qso.line), qso.call, qso.prefix, qso.mode, received_text(qso),
                               str(added), qso.kind, outcome, str(points), new]))
        if added:
            qso_lines.append(cabrillo_qso_line(CONTESTANT, host_qso(qso)))
    dxcc, codes = score.multipliers()
    kinds = {}
    for qso in qsos:
        kinds[qso.kind] = kinds.get(qso.kind, 0) + 1
    text = ("# What the module must make of %s.adi, one QSO per row (tab-separated):\n"
            "# line of the record, callsign, DXCC prefix the host finds, mode, received exchange,\n"
            "# AddData0's result, what the QSO shows, outcome, points, multipliers it brings\n"
            "# (new in its mode; a duplicate earns nothing).\n"
            "# Written by tools/make_sample_log.py.\n" % BASE)
    text += "".join(row + "\n" for row in rows)
    text += "# QSOs in the log: %d; %s\n" % (
        len(qsos), "; ".join("%s: %d" % (k, kinds[k]) for k in sorted(kinds)))
    text += ("# stored %d, counted %d, points %d, DXCC multipliers %d, location multipliers %d, "
             "score %d\n" % (score.stored, score.qsos, score.points, dxcc, codes, score.total()))
    err = "".join(line + CRLF for line in score.err_lines)
    summary = summary_text(score, year, CONTESTANT)
    log = cabrillo_log(CONTESTANT, dict(HEADER), score.total(), HOST_VERSION, qso_lines)
    return text, err, summary, log


def header_text():
    return "".join("%s=%s\n" % pair for pair in HEADER)


def sample_files():
    generator = Generator()
    qsos = generator.plan()
    year = 2023
    generator.schedule(qsos, contest_start(year))
    generator.styles(qsos)
    adif = adif_log(qsos, year)
    record, err, summary, log = expected_record(qsos, year)
    return {
        BASE + ".adi": adif,
        BASE + ".expected.tsv": record,
        BASE + ".err.txt": err,
        BASE + ".summary.txt": summary,
        BASE + ".header.txt": header_text(),
        BASE + ".cbr": log,
    }


def main(argv):
    files = sample_files()
    return write_or_check(SAMPLES, files, argv, "\n".join(__doc__.strip().splitlines()[2:4]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
