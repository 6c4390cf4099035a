#!/usr/bin/env python3
"""Fill or check the preset columns of the operator catalogues from an apns-conf.xml.

The `source` column of each row names the table entry its texts come from, for example
    apns-conf.xml mcc=234 mnc=15 carrier="Vodafone MMS(Post)" type=mms
    indirect: <why>, apns-conf.xml mcc=230 mnc=02 carrier="O2 CZ" apn="internet" type=default
    no entry: <why>
Attributes after the carrier (apn, mmsc, mmsproxy, mmsport, user) choose one of several entries
of the same name. `set <column>=<value>,` replaces one column with a value the entry lacks, and
the text after the comma says why. Rows marked `no entry` are left as they are; so are the names and the MMS
port, which are the catalogue's own and never come from the table.

    scripts/apn-presets.py apns-conf.xml data/mms-operators.csv data/gprs-operators.csv
    scripts/apn-presets.py --check apns-conf.xml data/*.csv

The build does not need this script: it reads the CSV files only.
"""
import argparse
import csv
import re
import sys
import xml.etree.ElementTree as ET

# Catalogue column <- apns-conf.xml attribute.
ATTRIBUTE = {"url": "mmsc", "apn": "apn", "gateway": "mmsproxy", "account": "user",
             "password": "password"}
SELECTOR = re.compile(r'apns-conf\.xml mcc=(\d+) mnc=(\d+) carrier="([^"]*)"((?: \w+="[^"]*")*)'
                      r' type=(mms|default)')
EXTRA = re.compile(r' (\w+)="([^"]*)"')
SETTING = re.compile(r'\bset (\w+)=([^\s,]*)')
DOTTED_QUAD = re.compile(r"^\d{1,3}(\.\d{1,3}){3}$")


def serves(entry, kind):
    types = {t.strip() for t in entry.get("type", "").split(",")}
    if "*" in types:
        return True
    return "mms" in types if kind == "mms" else bool(types & {"default", "supl"})


def normalised(column, value):
    # Some entries write 10.0.0.10 as 010.000.000.010, which a parser may read as octal.
    if column == "gateway" and DOTTED_QUAD.match(value):
        return ".".join(str(int(part)) for part in value.split("."))
    return value


def preset(entries, row, columns):
    """The row's preset texts as its source names them, or None for a row without an entry."""
    source = row["source"]
    if source.startswith("no entry"):
        return None
    found = SELECTOR.search(source)
    if not found:
        raise ValueError(f"cannot read the source: {source}")
    mcc, mnc, carrier, extra, kind = found.groups()
    wanted = {"mcc": mcc, "mnc": mnc, "carrier": carrier, **dict(EXTRA.findall(extra))}
    matches = [e for e in entries
               if serves(e, kind) and all(e.get(k, "") == v for k, v in wanted.items())]
    texts = {tuple(normalised(c, m.get(ATTRIBUTE[c], "")) for c in columns) for m in matches}
    if len(texts) != 1:
        raise ValueError(f"{len(texts)} different entries for: {source}")
    values = dict(zip(columns, texts.pop()))
    for column, value in SETTING.findall(source):
        if column not in values:
            raise ValueError(f"no column {column} in: {source}")
        values[column] = value
    return values


def update(entries, path, check):
    with open(path, newline="", encoding="utf-8") as f:
        reader = csv.DictReader(f)
        header, rows = reader.fieldnames, list(reader)
    columns = [c for c in ATTRIBUTE if c in header]
    differences = 0
    for row in rows:
        values = preset(entries, row, columns)
        for column, value in (values or {}).items():
            if row[column] != value:
                differences += 1
                print(f"{path}: {row['country']} / {row['operator']}: {column} "
                      f"{row[column]!r} -> {value!r}")
                row[column] = value
    if not check:
        with open(path, "w", newline="", encoding="utf-8") as f:
            writer = csv.DictWriter(f, header, quoting=csv.QUOTE_ALL, lineterminator="\n")
            writer.writeheader()
            writer.writerows(rows)
    return differences


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="report differences, change nothing, exit 1 if there are any")
    parser.add_argument("xml")
    parser.add_argument("csv", nargs="+")
    args = parser.parse_args()
    entries = [e.attrib for e in ET.parse(args.xml).getroot().iter("apn")]
    differences = sum(update(entries, path, args.check) for path in args.csv)
    return 1 if args.check and differences else 0


if __name__ == "__main__":
    sys.exit(main())
