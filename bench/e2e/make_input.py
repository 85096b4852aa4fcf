#!/usr/bin/env python3
"""Writes the seeded end-to-end input: a CSV of ten columns (id, personal name with title and
suffix, street line, city, state or province, postal code, phone, amount, date, note), ASCII,
CR LF line ends, no header line.

usage: make_input.py OUTPUT [RECORDS] [SEED]
"""
import random
import sys

TITLES = ["Mr.", "Mrs.", "Ms.", "Dr.", "Prof.", "Rev.", "Capt."]
FIRSTS = ["Mary", "John", "Ann", "Robert", "Linda", "Michael", "Susan", "David", "Karen",
          "James", "Nancy", "Pierre", "Marie", "Yusuf", "Ingrid", "Kenji", "Olga", "Rahul"]
MIDDLES = ["", "", "Ann", "Lee", "J.", "Marie", "T.", "Grace"]
LASTS = ["Smith", "Johnson", "O'Brien", "Tremblay", "Gagnon", "Van der Berg", "Nakamura",
         "MacDonald", "Garcia", "Nguyen", "Kowalski", "Fitzgerald-Hughes", "Li", "Okafor"]
SUFFIXES = ["", "", "", "Jr.", "Sr.", "III", "PhD", "M.D."]
STREETS = ["Elm", "Main", "Oak", "Maple", "King", "Queen", "Sainte-Catherine", "Pine",
           "Washington", "Lakeshore", "Cedar", "Dundas"]
KINDS = ["Street", "St.", "Avenue", "Ave", "Road", "Blvd", "Lane", "Drive", "Crescent"]
UNITS = ["", "", "", "Apt 5", "Suite 210", "Unit 3B", "#12"]
CITIES = [("Springfield", "IL", "us"), ("Ottawa", "ON", "ca"), ("Montreal", "QC", "ca"),
          ("Portland", "OR", "us"), ("Halifax", "NS", "ca"), ("Austin", "TX", "us"),
          ("Saint John", "NB", "ca"), ("New York", "NY", "us"), ("Vancouver", "BC", "ca"),
          ("Winston-Salem", "NC", "us")]
NOTES = ["paid in full", "call before delivery, after 5 pm", 'customer said "no rush"',
         'gift, wrap it; card reads "Happy birthday"', "", "net 30", 'back order, "red" only',
         "leave at side door, ring twice", 'ref "A-17", see file', "VIP"]
LETTERS = "ABCEGHJKLMNPRSTVXY"


def postal(rng, country):
    if country == "ca":
        d = rng.randrange
        return (f"{LETTERS[d(18)]}{d(10)}{LETTERS[d(18)]} "
                f"{d(10)}{LETTERS[d(18)]}{d(10)}")
    if rng.random() < 0.3:
        return f"{rng.randrange(100000):05d}-{rng.randrange(10000):04d}"
    return f"{rng.randrange(100000):05d}"


def quoted(text):
    # Quoted when it holds a comma or a quote; quotes are doubled.
    if "," in text or '"' in text:
        return '"' + text.replace('"', '""') + '"'
    return text


def record(rng, n):
    name = " ".join(p for p in (rng.choice(TITLES), rng.choice(FIRSTS), rng.choice(MIDDLES),
                                rng.choice(LASTS), rng.choice(SUFFIXES)) if p)
    street = " ".join(p for p in (str(rng.randrange(1, 99999)), rng.choice(STREETS),
                                  rng.choice(KINDS), rng.choice(UNITS)) if p)
    city, state, country = rng.choice(CITIES)
    phone = f"({rng.randrange(200, 999)}) {rng.randrange(200, 999)}-{rng.randrange(10000):04d}"
    amount = f"{rng.randrange(0, 10000000) / 100:.2f}"
    if rng.random() < 0.05:
        amount = "-" + amount
    date = f"{rng.randrange(1990, 2026)}{rng.randrange(1, 13):02d}{rng.randrange(1, 29):02d}"
    note = rng.choice(NOTES)
    if rng.random() < 0.2:
        note = f"{note}, order {rng.randrange(1000, 99999)}"
    fields = [str(n), name, street, city, state, postal(rng, country), phone, amount, date,
              quoted(note)]
    return ",".join(fields)


def write_records(make_record, default_seed):
    """Writes OUTPUT [RECORDS] [SEED] of the command line: make_record(rng, n) for n = 1.., CR LF
    line ends, ten thousand lines per write."""
    path = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else default_seed
    rng = random.Random(seed)
    with open(path, "w", encoding="ascii", newline="") as out:
        chunk = []
        for n in range(1, count + 1):
            chunk.append(make_record(rng, n))
            if len(chunk) == 10000:
                out.write("\r\n".join(chunk) + "\r\n")
                chunk = []
        if chunk:
            out.write("\r\n".join(chunk) + "\r\n")


def main():
    write_records(record, 20240601)


if __name__ == "__main__":
    main()
