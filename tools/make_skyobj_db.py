#!/usr/bin/env python3
"""Builds resources/skyobj.sqlite, the read-only sky-object database, from the sky CSV files.

    tools/make_skyobj_db.py CSV_FOLDER [OUTPUT]

CSV_FOLDER holds constellations.csv, named_stars.csv, double_stars.csv, dso.csv and
dso_names.csv (UTF-8, RFC 4180, a header row whose names are the column names). OUTPUT defaults
to resources/skyobj.sqlite beside this folder. The file keeps only the columns the application
reads, plus one name column for English ("nameEn", "constNameEn") and for every language of
base/translations/info.json ("name_<code>", "constName_<code>"). A missing translation falls back
to English; a missing catalogue number is 0. Rows keep the order of the CSV files, which is the
order the application lists them in. Needs only the Python standard library.

The deep-sky table is an adaptation of OpenNGC and is offered under CC BY-SA 4.0; the credits the
data requires are in resources/skyobj-credits.txt.
"""
import csv
import json
import math
import os
import sqlite3
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..")


def shipped_languages():
    with open(os.path.join(ROOT, "base", "translations", "info.json"), encoding="utf-8") as f:
        return [entry["languageCode"] for entry in json.load(f)]


def read_csv(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


class Table:
    """One table: its columns as (name, SQL type, how to read it from a CSV row)."""

    def __init__(self, name, columns):
        self.name = name
        self.columns = columns

    def create(self, db):
        cols = ", ".join(f"{n} {t}" for n, t, _ in self.columns)
        db.execute(f"CREATE TABLE {self.name} ({cols})")

    def fill(self, db, rows):
        marks = ", ".join("?" for _ in self.columns)
        db.executemany(f"INSERT INTO {self.name} VALUES ({marks})",
                       ([read(row) for _, _, read in self.columns] for row in rows))


def fail(message):
    sys.exit(f"make_skyobj_db: {message}")


def integer(column, default=None):
    def read(row):
        text = (row.get(column) or "").strip()
        if not text:
            if default is None:
                fail(f"empty {column} in {row}")
            return default
        return int(text)
    return read


def real(column, low=-math.inf, high=math.inf):
    def read(row):
        text = (row.get(column) or "").strip()
        if not text:
            fail(f"empty {column} in {row}")
        value = float(text)
        if not low <= value <= high:
            fail(f"{column} {value} outside [{low}, {high}] in {row}")
        return value
    return read


def name(column, fallback):
    def read(row):
        text = (row.get(column) or "").strip()
        if text:
            return text
        text = (row.get(fallback) or "").strip()
        if not text:
            fail(f"no {column} and no {fallback} in {row}")
        return text
    return read


def greek_or_other(row):
    # Stars without a Greek letter carry their Flamsteed number or Latin letter instead, so that
    # the Bayer text reads "80 UMa" and not " UMa". A few named stars have neither.
    return (row.get("constGreekSymbol") or "").strip() or (row.get("bayerOther") or "").strip()


def name_columns(languages, en_column, prefix):
    cols = [(en_column, "TEXT NOT NULL", name(en_column, en_column))]
    cols += [(f"{prefix}{code}", "TEXT NOT NULL", name(f"{prefix}{code}", en_column))
             for code in languages]
    return cols


def position(ra, dec):
    return [(ra, "REAL NOT NULL", real(ra, 0.0, 2 * math.pi)),
            (dec, "REAL NOT NULL", real(dec, -math.pi / 2, math.pi / 2))]


def build(folder, output):
    languages = shipped_languages()
    constellations = read_csv(folder, "constellations.csv")
    stars = read_csv(folder, "named_stars.csv")
    doubles = read_csv(folder, "double_stars.csv")
    dsos = read_csv(folder, "dso.csv")
    dso_names = read_csv(folder, "dso_names.csv")

    numbers = ["idNgc", "idIc", "idM", "idC"]
    tables = [
        (Table("tblConstellation",
               [("constId", "INTEGER PRIMARY KEY", integer("constId")),
                ("constAbbr", "TEXT NOT NULL", name("constAbbr", "constAbbr"))]
               + name_columns(languages, "constNameEn", "constName_")), constellations),
        (Table("tblNamedStar",
               [("constId", "INTEGER NOT NULL", integer("constId")),
                ("saoVMag", "REAL NOT NULL", real("saoVMag"))]
               + position("saoJ2kRaRad", "saoJ2kDecRad")
               + [("constGreekSymbol", "TEXT NOT NULL", greek_or_other)]
               + name_columns(languages, "nameEn", "name_")), stars),
        (Table("tblDoubleStar",
               [("constId", "INTEGER NOT NULL", integer("constId"))]
               + position("j2kRaRad", "j2kDecRad")
               + [("vmag", "REAL NOT NULL", real("vmag")),
                  ("sepArcsec", "REAL NOT NULL", real("sepArcsec", 0.0)),
                  ("posAngle", "INTEGER NOT NULL", integer("posAngle"))]
               + name_columns(languages, "nameEn", "name_")), doubles),
        (Table("tblDso",
               [("idStel", "INTEGER PRIMARY KEY", integer("idStel")),
                ("constId", "INTEGER NOT NULL", integer("constId"))]
               + [(n, "INTEGER NOT NULL", integer(n, 0)) for n in numbers]
               + position("j2kRaRad", "j2kDecRad")
               + [("vmag", "REAL NOT NULL", real("vmag"))]), dsos),
        (Table("tblDsoName",
               [("idStel", "INTEGER NOT NULL REFERENCES tblDso", integer("idStel"))]
               + name_columns(languages, "nameEn", "name_")), dso_names),
    ]

    const_ids = {int(c["constId"]) for c in constellations}
    for rows in (stars, doubles, dsos):
        for row in rows:
            if int(row["constId"]) not in const_ids:
                fail(f"unknown constellation in {row}")
    dso_ids = {int(d["idStel"]) for d in dsos}
    for row in dso_names:
        if int(row["idStel"]) not in dso_ids:
            fail(f"name of a missing object: {row}")

    tmp = output + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    db = sqlite3.connect(tmp)
    db.execute("PRAGMA page_size = 4096")
    for table, rows in tables:
        table.create(db)
        table.fill(db, rows)
    db.commit()
    db.execute("VACUUM")
    db.close()
    os.replace(tmp, output)
    counts = ", ".join(f"{t.name} {len(r)}" for t, r in tables)
    print(f"{output}: {os.path.getsize(output)} bytes; {counts}; languages en {' '.join(languages)}")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    output = sys.argv[2] if len(sys.argv) == 3 else os.path.join(ROOT, "resources", "skyobj.sqlite")
    build(sys.argv[1], os.path.abspath(output))


if __name__ == "__main__":
    main()
