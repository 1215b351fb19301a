#!/usr/bin/env python3
"""Works out what the module must make of the real logs in samples/real-logs/.

    python3 tools/real_log_expectations.py            rewrite the expected files
    python3 tools/real_log_expectations.py --check    exit 1 when they are not what it would write

Each log is a Cabrillo file as its station submitted it. The host replays it
as Vexo.exe does (--log LOG.log --report): one AddData0 per QSO line with the
DXCC prefix that the country file gives the worked call, GetResult0, then a
report pass whose header dialog is answered with the log's own header. What
the module must make of that is worked out here from the contest's rules
(tools/contest_rules.py) and the country file, without the module's code or
the host's: per QSO the prefix, AddData0's result, the outcome, points and new
multipliers; the lines of "err.txt"; the summary text; the Cabrillo log of
the report pass.
"""

import datetime
import re
import sys

from contest_rules import (CRLF, ROOT, HostQso, Score, cabrillo_log, cabrillo_qso_line,
                           summary_text, write_or_check)

LOGS = ROOT / "samples" / "real-logs"
COUNTRY_FILE = "/usr/share/hamradio-files/cty.dat"
# The host simulator's version, as the CREATED-BY line names it.
HOST_VERSION = "2.6"
CABRILLO_MODES = {"CW": "CW", "PH": "SSB", "FM": "FM", "RY": "RTTY", "DG": "DATA"}
# Operating suffixes, which say nothing about where a station is.
SUFFIXES = {"P", "M", "MM", "AM", "QRP", "A", "R", "LH"}


class Countries:
    """The country file (cty.dat): per DXCC entity its primary prefix, the
    prefixes its calls start with and the calls it lists exactly ("=CALL").
    WAE-only entities ("*" before the prefix) are left out; the first entity
    that lists a prefix or a call keeps it."""

    def __init__(self, path):
        self.exact = {}
        self.prefixes = {}
        text = open(path, encoding="ascii").read()
        for entity in text.split(";"):
            if not entity.strip():
                continue
            fields = entity.split(":", 8)
            primary = fields[7].strip()
            if primary.startswith("*"):
                continue
            for alias in fields[8].split(","):
                alias = re.split(r"[(\[<{~]", alias.strip())[0]
                if alias.startswith("="):
                    self.exact.setdefault(alias[1:], primary)
                elif alias:
                    self.prefixes.setdefault(alias, primary)

    def lookup(self, part):
        if part in self.exact:
            return self.exact[part]
        for length in range(len(part), 0, -1):
            if part[:length] in self.prefixes:
                return self.prefixes[part[:length]]
        return ""

    def dxcc_prefix(self, call):
        """The DXCC prefix of a callsign as the logging program finds it."""
        call = call.strip().upper()
        if call in self.exact:
            return self.exact[call]
        parts = [part for part in call.split("/") if part]
        while len(parts) > 1 and parts[-1] in SUFFIXES:
            parts.pop()
        if len(parts) > 1 and len(parts[-1]) == 1 and parts[-1].isdigit():
            # A call area after the slash takes the place of the callsign's last digit.
            area = parts.pop()
            digits = [i for i, c in enumerate(parts[-1]) if c.isdigit()]
            if digits:
                parts[-1] = parts[-1][:digits[-1]] + area + parts[-1][digits[-1] + 1:]
        if not parts:
            return ""
        if len(parts) == 1:
            return self.lookup(parts[0])
        return self.lookup(parts[1] if len(parts[1]) < len(parts[0]) else parts[0])


def read_cabrillo(path):
    """The tagged lines of a Cabrillo log up to END-OF-LOG: (line number, tag, value)."""
    lines = []
    for number, text in enumerate(path.read_text(encoding="ascii").splitlines(), 1):
        tag, colon, value = text.strip().partition(":")
        if not colon or not tag or " " in tag or "\t" in tag:
            continue
        if tag.upper() == "END-OF-LOG":
            break
        lines.append((number, tag.upper(), value.strip()))
    return lines


def host_qso(value, countries):
    """A QSO line as the host hands it to AddData0."""
    fields = value.split()
    assert len(fields) == 10 or (len(fields) == 11 and fields[10] in "01"), value
    khz, mode, date, time, my_call, rst_sent, exch_sent, call, rst_rcvd, exch_rcvd = fields[:10]
    band = "10m" if 28000 <= int(khz) <= 29700 else "other"
    when = datetime.datetime.strptime(date + " " + time, "%Y-%m-%d %H%M")
    return HostQso(my_call, call, countries.dxcc_prefix(call), band, CABRILLO_MODES[mode],
                   int(khz), when, rst_sent, exch_sent, rst_rcvd, exch_rcvd)


def dialog_answers(header):
    """The header dialog's values from the log's header: the tags that are the
    dialog's labels (EMAIL for E-MAIL; not CLAIMED-SCORE), several ADDRESS
    lines joined with ", ", several SOAPBOX lines with "\\n"."""
    labels = {"CONTEST", "CALLSIGN", "CATEGORY-OPERATOR", "LOCATION", "CATEGORY-BAND",
              "CATEGORY-ASSISTED", "CATEGORY-MODE", "CATEGORY-OVERLAY", "CATEGORY-POWER",
              "CATEGORY-STATION", "CATEGORY-TRANSMITTER", "NAME", "ADDRESS", "ADDRESS-CITY",
              "ADDRESS-STATE-PROVINCE", "ADDRESS-POSTALCODE", "ADDRESS-COUNTRY", "OPERATORS",
              "CLUB", "SOAPBOX"}
    joins = {"ADDRESS": ", ", "SOAPBOX": "\\n"}
    answers = {}
    for _, tag, value in header:
        label = "E-MAIL" if tag == "EMAIL" else tag
        if label not in labels:
            continue
        if label in answers and label in joins:
            answers[label] += joins[label] + value
        else:
            answers[label] = value
    return answers


def expected_files(path, countries):
    lines = read_cabrillo(path)
    qso_lines = [(number, value) for number, tag, value in lines if tag == "QSO"]
    header = [line for line in lines if line[1] != "QSO"]
    qsos = [host_qso(value, countries) for _, value in qso_lines]
    my_call = qsos[0].my_call
    answers = dialog_answers(header)
    score = Score()
    rows = []
    log_lines = []
    for (number, _), qso in zip(qso_lines, qsos):
        added, outcome, points, new = score.take(qso)
        rows.append("\t".join([str(number), qso.call, qso.prefix, qso.mode, qso.exch_rcvd,
                               str(added), outcome, str(points), new]))
        if added:
            log_lines.append(cabrillo_qso_line(answers.get("CALLSIGN", my_call), qso))
    outcomes = {}
    for row in rows:
        outcome = row.split("\t")[6]
        outcomes[outcome] = outcomes.get(outcome, 0) + 1
    dxcc, codes = score.multipliers()
    name = path.stem
    record = ("# What the module must make of %s.log, one QSO line per row (tab-separated):\n"
              "# line, callsign, DXCC prefix the host finds, mode, received exchange,\n"
              "# AddData0's result, outcome, points, multipliers it brings (new in its mode).\n"
              "# Written by tools/real_log_expectations.py.\n" % name)
    record += "".join(row + "\n" for row in rows)
    record += "# QSO lines: %d; %s\n" % (
        len(rows), "; ".join("%d %s" % (outcomes[k], k) for k in sorted(outcomes)))
    record += ("# stored %d, counted %d, points %d, DXCC multipliers %d, location multipliers %d, "
               "score %d\n" % (score.stored, score.qsos, score.points, dxcc, codes, score.total()))
    return {
        name + ".expected.tsv": record,
        name + ".err.txt": "".join(line + CRLF for line in score.err_lines),
        name + ".summary.txt": summary_text(score, qsos[0].time.year, my_call),
        name + ".cbr": cabrillo_log(my_call, answers, score.total(), HOST_VERSION, log_lines),
    }


def main(argv):
    countries = Countries(COUNTRY_FILE)
    files = {}
    for path in sorted(LOGS.glob("*.log")):
        files.update(expected_files(path, countries))
    return write_or_check(LOGS, files, argv, "\n".join(__doc__.strip().splitlines()[2:4]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
