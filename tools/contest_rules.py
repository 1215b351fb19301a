"""The ARRL 10 Meter Contest as the module scores it, from the contest's rules.

Shared by the scripts that work out what the module must make of a log
(tools/make_sample_log.py, tools/real_log_expectations.py), without the
module's code: whether AddData0 stores a QSO and what it writes to "err.txt",
what each QSO earns, the summary text that GetResult0 returns outside report
mode and the QSO lines of the Cabrillo log of a report pass.
"""

import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CRLF = "\r\n"

# The location codes the module accepts, in its table's order.
US_STATES = ("AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO MS MT NC "
             "ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA WI WV WY DC").split()
CANADA = "ON QC NS NB MB BC PE SK AB NL NT YT NU".split()
MEXICO = ("AGS BAC BCS CAM CHI CHH COA COL DFE DF DGO EMX GTO GRO HGO JAL MIC MOR NAY NLE OAX "
          "PUE QRO QUI SLP SIN SON TAB TAM TLX VER YUC ZAC").split()
REGIONS = ["R1", "R2", "R3"]
LOCATION_CODES = US_STATES + CANADA + MEXICO + REGIONS
# Codes sent for a multiplier that counts under another code: Newfoundland and
# Labrador stations send "NF" or "LB" for the province "NL"; Mexico City sends
# "CMX", formerly "DF" or "DFE", one multiplier under all three.
SENT_CODES = {"NF": "NL", "LB": "NL", "CMX": "CMX", "DF": "CMX", "DFE": "CMX"}
# Maritime mobile stations send their ITU region, "R1" to "R3" or its number alone.
REGION_NUMBERS = {"1": "R1", "2": "R2", "3": "R3"}

TAIL_INCOMPLETE = "   Not full control number recieved !!!"
TAIL_NO_CONTEST_MODE = "   NO CONTEST MODE !!!"
TAIL_BAD_CODE = "  Code State/Province is not acceptable !!!"
WHITE_SPACE = " \t\r\n\v\f"

# One QSO as the host hands it to AddData0: the band as the host names it
# ("10m"), the frequency in whole kilohertz, the time a datetime.
HostQso = collections.namedtuple(
    "HostQso", "my_call call prefix band mode khz time rst_sent exch_sent rst_rcvd exch_rcvd")


class Score:
    """AddData0's intake of each QSO and the summary's count of what it stored."""

    def __init__(self):
        self.err_lines = []
        self.stored = 0
        self.has_band = False
        self.qsos = self.points = self.k = self.ve = 0
        self.dxcc = {"CW": [], "SSB": []}
        self.codes = {"CW": [], "SSB": []}
        self.counted = set()  # (callsign, mode) of the QSOs that count

    def take(self, qso):
        """One QSO: (1 when stored else 0, outcome, points, multipliers it brings)."""
        if qso.band != "10m":
            return 0, "ignored: band %s" % qso.band, 0, ""
        self.has_band = True
        start = "  ".join(["QSO:", str(qso.khz), qso.mode, qso.time.strftime("%Y-%m-%d %H%M"),
                           qso.my_call, qso.rst_sent, qso.exch_sent, qso.call, qso.rst_rcvd,
                           qso.exch_rcvd])
        if qso.exch_rcvd == "" or qso.exch_sent == "":
            self.err_lines.append(start + TAIL_INCOMPLETE)
            return 0, "refused: incomplete exchange", 0, ""
        if qso.mode not in ("CW", "SSB"):
            self.err_lines.append(start + TAIL_NO_CONTEST_MODE)
            return 0, "refused: no contest mode", 0, ""
        self.stored += 1
        code = ""
        if qso.prefix in ("K", "VE", "XE") or qso.call.endswith("/MM"):
            sent = qso.exch_rcvd.upper().strip(WHITE_SPACE)
            known = dict(SENT_CODES, **(REGION_NUMBERS if qso.call.endswith("/MM") else {}))
            if sent not in LOCATION_CODES and sent not in known:
                self.err_lines.append(start + "  " + sent + TAIL_BAD_CODE)
                return 1, "stored, not counted: location code %s not acceptable" % sent, 0, ""
            code = known.get(sent, sent)
        if (qso.call, qso.mode) in self.counted:
            return 1, "stored, not counted: duplicate", 0, ""
        self.counted.add((qso.call, qso.mode))
        return (1,) + self.count(qso, code)

    def count(self, qso, code):
        points = 4 if qso.mode == "CW" else 2
        new = []
        if qso.prefix not in self.dxcc[qso.mode]:
            self.dxcc[qso.mode].append(qso.prefix)
            new.append(qso.prefix)
        if code and code not in self.codes[qso.mode]:
            self.codes[qso.mode].append(code)
            new.append(code)
        self.qsos += 1
        self.points += points
        self.k += qso.prefix == "K"
        self.ve += qso.prefix == "VE"
        return "counted", points, " ".join(new)

    def multipliers(self):
        return (sum(len(v) for v in self.dxcc.values()), sum(len(v) for v in self.codes.values()))

    def total(self):
        return self.points * sum(self.multipliers())


def module_version():
    match = re.search(r"project\(\w+ VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text())
    return match.group(1)


def summary_text(score, year, contestant, report_mode=False):
    """GetResult0's text for a log of 10 m QSOs."""
    dxcc, codes = score.multipliers()
    text = ("\t\tARRL 10 Meter Contest %d \r\n\t\t  Contestant: %s\r\n"
            "Band\tQSOs\tPoints\tDXCC State/Prov\t K \tVE\r\n" % (year, contestant))
    if score.has_band:
        text += "10m\t %d\t %d\t\t\t %d\t %d\r\n" % (score.qsos, score.points, score.k, score.ve)
    text += "Total\t %d\t %d\t %d\t %d\t %d\t %d\r\n" % (score.qsos, score.points, dxcc, codes,
                                                        score.k, score.ve)
    text += "Score = %d *( %d + %d) = %d \r\n" % (score.points, dxcc, codes, score.total())
    if score.stored and not report_mode:
        text += "Scored by the ARRL-10M_CW_SSB module " + module_version()
    return text


def cabrillo_qso_line(my_call, qso):
    """The Cabrillo line of a stored QSO: its reports are the constants of its mode."""
    cw = qso.mode == "CW"
    line = ("QSO: %5d %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n" if cw else
            "QSO: %5d %2s %s %-13s 59  %-5s  %-12s  59  %s\r\n")
    mode = "CW" if cw else "PH" if qso.mode == "SSB" else "??"
    return line % (qso.khz, mode, qso.time.strftime("%Y-%m-%d %H%M"), my_call, qso.exch_sent,
                   qso.call, qso.exch_rcvd)


# The header lines of the module's Cabrillo log, in its order, each with the
# label of the header dialog's field that gives its value (None: a constant
# or the module's own value).
CABRILLO_HEADER = [
    ("START-OF-LOG", None), ("CALLSIGN", "CALLSIGN"), ("CONTEST", None),
    ("CATEGORY-OPERATOR", "CATEGORY-OPERATOR"), ("CATEGORY-ASSISTED", "CATEGORY-ASSISTED"),
    ("CATEGORY-BAND", "CATEGORY-BAND"), ("CATEGORY-MODE", "CATEGORY-MODE"),
    ("CATEGORY-POWER", "CATEGORY-POWER"), ("CATEGORY-STATION", "CATEGORY-STATION"),
    ("CATEGORY-TRANSMITTER", "CATEGORY-TRANSMITTER"), ("CLAIMED-SCORE", None), ("CLUB", "CLUB"),
    ("CREATED-BY", None), ("LOCATION", "LOCATION"), ("EMAIL", "E-MAIL"), ("NAME", "NAME"),
    ("ADDRESS", "ADDRESS"), ("ADDRESS-CITY", "ADDRESS-CITY"),
    ("ADDRESS-STATE-PROVINCE", "ADDRESS-STATE-PROVINCE"),
    ("ADDRESS-POSTALCODE", "ADDRESS-POSTALCODE"), ("ADDRESS-COUNTRY", "ADDRESS-COUNTRY"),
    ("OPERATORS", "OPERATORS"), ("SOAPBOX", "SOAPBOX"),
]
# The dialog's defaults where the operator leaves a field as it opens (the
# shared settings file of a fresh folder holds nothing).
DIALOG_DEFAULTS = {"CATEGORY-OPERATOR": "SINGLE-OP", "CATEGORY-ASSISTED": "NON-ASSISTED",
                   "CATEGORY-BAND": "10M", "CATEGORY-MODE": "SSB", "CATEGORY-POWER": "HIGH",
                   "CATEGORY-STATION": "FIXED", "CATEGORY-TRANSMITTER": "ONE", "LOCATION": "DX"}


def cabrillo_log(my_call, answers, claimed, host_version, qso_lines):
    """The module's Cabrillo log of a report pass whose header dialog the operator
    answered with `answers` (label: value; a soapbox "\\n" starts a new line)."""
    values = dict(DIALOG_DEFAULTS, CALLSIGN=my_call, OPERATORS=my_call)
    values.update(answers)
    special = {"START-OF-LOG": "3.0", "CONTEST": "ARRL-10", "CLAIMED-SCORE": str(claimed),
               "CREATED-BY": "Vexo " + host_version}
    text = ""
    for tag, label in CABRILLO_HEADER:
        value = special.get(tag) if label is None else values.get(label, "")
        if tag.startswith("CATEGORY-"):
            value = value.upper()
        for line in value.split("\\n") if tag == "SOAPBOX" else [value]:
            text += "%s: %s\r\n" % (tag, line)
    return text + "".join(qso_lines) + "END-OF-LOG:\r\n"


def write_or_check(folder, files, argv, usage):
    """The command line of the scripts that write expected files: no argument
    writes them into `folder`, --check says which differ (exit 1)."""
    script = pathlib.Path(argv[0]).name
    if argv[1:] == ["--check"]:
        stale = [name for name, text in files.items()
                 if not (folder / name).exists()
                 or (folder / name).read_bytes() != text.encode("ascii")]
        for name in stale:
            print("%s is not what tools/%s writes" % (folder.relative_to(ROOT) / name, script))
        return 1 if stale else 0
    if argv[1:]:
        print(usage, file=sys.stderr)
        return 2
    folder.mkdir(exist_ok=True)
    for name, text in files.items():
        (folder / name).write_bytes(text.encode("ascii"))
    return 0
