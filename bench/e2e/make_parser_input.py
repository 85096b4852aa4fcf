#!/usr/bin/env python3
"""Writes the seeded input of the parser timing: a CSV of seven columns (id, personal name line,
street line, city, state or province, postal code, phone), ASCII, CR LF line ends, no header
line. The names carry titles, joint titles, middle names and initials, couples, surname
prefixes, suffixes and now and then a phrase the name step strips; the street lines mix civic
addresses with suites, floors, PO boxes, rural routes and general delivery; the phones come in
many writings.

usage: make_parser_input.py OUTPUT [RECORDS] [SEED]
"""

from make_input import write_records

TITLES = ["", "", "", "", "Mr", "Mr.", "Mrs", "Mrs.", "Ms", "Ms.", "Miss", "Dr", "Dr.", "Prof.",
          "Rev", "Capt", "Sgt", "Lt-Col", "MR", "mrs"]
JOINT = ["Mr & Mrs", "Mr and Mrs", "Mr. & Mrs.", "Mr. and Mrs.", "Dr & Mrs", "Mr&Mrs"]
MALES = ["John", "Robert", "Michael", "David", "James", "William", "Richard", "Thomas", "Pierre",
         "Jean-Paul", "Kenji", "Rahul", "Yusuf", "Walt", "Gordon", "Wayne", "Andre", "Luc",
         "Stanley", "Douglas", "Hans-Joerg", "Brian", "Kevin", "Ahmed"]
FEMALES = ["Mary", "Linda", "Susan", "Karen", "Nancy", "Marie", "Ingrid", "Olga", "Helen",
           "Margaret", "Patricia", "Elizabeth", "Barbara", "Sandra", "Diane", "Louise", "Carol",
           "Anne-Marie", "Denise", "Monique"]
OTHERS = ["Kim", "Pat", "Chris", "Lee", "Robin", "Jordan", "Sasha", "Quinn"]
INITIALS = ["A.", "B.", "J.", "K.", "M.", "T.", "R", "E"]
LASTS = ["Smith", "Johnson", "O'Brien", "Tremblay", "Gagnon", "Nakamura", "MacDonald", "McNeil",
         "Garcia", "Nguyen", "Kowalski", "Fitzgerald-Hughes", "Li", "Okafor", "Roy", "Cote",
         "Wilson", "Taylor", "Brown", "Martin", "Leblanc", "Singh", "Patel", "Campbell",
         "Anderson", "Thompson", "d'Amours", "St-Pierre"]
PREFIXED = ["De La Cruz", "van Beethoven", "Van Der Berg", "von Trapp", "De Luca", "Van De Kamp",
            "de la Fuente", "Mc Bride"]
SUFFIXES = ["Jr", "Jr.", "Sr.", "III", "PhD", "Esq", "MBA", "M.D.", "II", "Ltd"]
STRIPS = ["Residence", "cell phone", "fax line", "Teen Phone", "lawyer", "family phys",
          "Children's Phone"]

STREETS = ["Elm", "Main", "Oak", "Maple", "King", "Queen", "Sainte-Catherine", "Pine", "Yonge",
           "Washington", "Lakeshore", "Cedar", "Dundas", "Park", "Church", "Victoria", "Bay",
           "Station", "Fifth", "Third", "Twelfth", "Mountain View", "Saint Joseph", "Wellington"]
KINDS = ["Street", "St", "St.", "Avenue", "Ave", "Av", "Road", "Rd", "Blvd", "Boulevard", "Lane",
         "Drive", "Dr", "Crescent", "Cres", "Court", "Place", "Terrace", "Way", "Highway", "Pkwy",
         "Circle", "Trail", "Square"]
DIRECTIONS = ["N", "S", "E", "W", "North", "West", "NE", "SW", "South East"]
SUITE_WORDS = ["Apt", "Apt.", "Suite", "Ste", "Unit", "PMB", "Penthouse"]
CITIES = [("Springfield", "IL", "us"), ("Ottawa", "ON", "ca"), ("Montreal", "QC", "ca"),
          ("Portland", "OR", "us"), ("Halifax", "NS", "ca"), ("Austin", "TX", "us"),
          ("Saint John", "NB", "ca"), ("New York", "NY", "us"), ("Vancouver", "BC", "ca"),
          ("Winston-Salem", "NC", "us"), ("Toronto", "ON", "ca"), ("Boise", "ID", "us"),
          ("Burlington", "VT", "us"), ("Regina", "SK", "ca"), ("Wheeling", "WV", "us"),
          ("St. John's", "NL", "ca")]
STATE_NAMES = {"IL": "Illinois", "ON": "Ontario", "QC": "Quebec", "OR": "Oregon",
               "NS": "Nova Scotia", "TX": "Texas", "NB": "New Brunswick", "NY": "New York",
               "BC": "British Columbia", "NC": "North Carolina", "ID": "Idaho", "VT": "Vermont",
               "SK": "Saskatchewan", "WV": "West Virginia", "NL": "Newfoundland"}
LETTERS = "ABCEGHJKLMNPRSTVXY"


def first_name(rng, gender):
    if gender == "m":
        return rng.choice(MALES)
    if gender == "f":
        return rng.choice(FEMALES)
    return rng.choice(OTHERS)


def person(rng):
    kind = rng.random()
    last = rng.choice(PREFIXED) if rng.random() < 0.12 else rng.choice(LASTS)
    if kind < 0.08:
        # A couple by their first names.
        joiner = rng.choice(["&", "and", "And"])
        parts = [rng.choice(MALES), joiner, rng.choice(FEMALES), last]
    elif kind < 0.15:
        # A joint title.
        parts = [rng.choice(JOINT), rng.choice(MALES) if rng.random() < 0.5 else "", last]
    else:
        gender = rng.choice("mmmfffo")
        parts = [rng.choice(TITLES), first_name(rng, gender)]
        middle = rng.random()
        if middle < 0.25:
            parts.append(rng.choice(INITIALS))
        elif middle < 0.4:
            parts.append(first_name(rng, gender))
        parts.append(last)
    if rng.random() < 0.15:
        parts.append(rng.choice(SUFFIXES))
    if rng.random() < 0.05:
        parts.append(rng.choice(SUFFIXES))
    if rng.random() < 0.06:
        parts.append(rng.choice(STRIPS))
    line = " ".join(p for p in parts if p)
    case = rng.random()
    if case < 0.08:
        line = line.upper()
    elif case < 0.12:
        line = line.lower()
    return line


def civic(rng):
    number = str(rng.randrange(1, 20000))
    if rng.random() < 0.05:
        number += rng.choice(["A", "B", " B", " 1/2"])
    parts = [number]
    if rng.random() < 0.08:
        parts.append(rng.choice(DIRECTIONS[:4]))
    parts.append(rng.choice(STREETS))
    parts.append(rng.choice(KINDS))
    if rng.random() < 0.15:
        parts.append(rng.choice(DIRECTIONS))
    return parts


def street(rng):
    kind = rng.random()
    if kind < 0.55:
        parts = civic(rng)
        extra = rng.random()
        if extra < 0.12:
            parts += [rng.choice(SUITE_WORDS), str(rng.randrange(1, 2000))]
        elif extra < 0.17:
            parts.append(f"#{rng.randrange(1, 500)}")
        elif extra < 0.20:
            parts += [str(rng.randrange(2, 40)), rng.choice(["FL", "Floor", "FLR"])]
        elif extra < 0.23:
            parts.append(f"{rng.randrange(1, 90)}{rng.choice('ABCD')}")
        elif extra < 0.25:
            parts.append("Rear")
        return " ".join(parts)
    if kind < 0.68:
        return " ".join([rng.choice(SUITE_WORDS), str(rng.randrange(1, 900))] + civic(rng))
    if kind < 0.72:
        return f"{rng.randrange(1, 400)}-{' '.join(civic(rng))}"
    if kind < 0.84:
        box = rng.choice(["PO Box", "P.O. Box", "P O Box", "Box", "P. O. Box", "POBox", "Box"])
        line = f"{box} {rng.randrange(1, 9999)}"
        if rng.random() < 0.3:
            line += rng.choice([", ", " "]) + " ".join(civic(rng))
        if rng.random() < 0.15:
            line += f" Station {rng.choice('ABCM')}"
        return line
    if kind < 0.93:
        line = f"{rng.choice(['RR', 'R.R', 'R R', 'Rural Route'])} {rng.randrange(1, 12)}"
        if rng.random() < 0.5:
            line += f" Site {rng.randrange(1, 40)} Comp {rng.randrange(1, 90)}"
        if rng.random() < 0.3:
            line += " " + " ".join(civic(rng))
        return line
    if kind < 0.95:
        return rng.choice(["General Delivery", "GEN DEL", "General Del"])
    if kind < 0.98:
        return f"{rng.randrange(1, 9000)} {rng.choice(['Highway', 'Hwy', 'Route', 'Rte'])} " \
               f"{rng.randrange(1, 400)}"
    return f"{rng.randrange(1, 999)} {rng.choice(['First', 'Second', 'Fifth', 'Tenth'])}"


def postal(rng, country):
    if country == "ca":
        d = rng.randrange
        code = f"{LETTERS[d(18)]}{d(10)}{LETTERS[d(18)]}{d(10)}{LETTERS[d(18)]}{d(10)}"
        return code if rng.random() < 0.3 else code[:3] + " " + code[3:]
    if rng.random() < 0.2:
        return f"{rng.randrange(100000):05d}{rng.choice(['-', ' '])}{rng.randrange(10000):04d}"
    return f"{rng.randrange(100000):05d}"


def city(rng):
    name, code, country = rng.choice(CITIES)
    state = rng.random()
    if state < 0.65:
        state = code
    elif state < 0.85:
        state = STATE_NAMES[code]
    elif state < 0.9:
        state = code.lower()
    else:
        state = ""
    return name, state, postal(rng, country)


def phone(rng):
    a, b, c = rng.randrange(200, 999), rng.randrange(200, 999), rng.randrange(10000)
    form = rng.random()
    if form < 0.3:
        return f"({a}) {b}-{c:04d}"
    if form < 0.45:
        return f"{a}-{b}-{c:04d}"
    if form < 0.55:
        return f"{a}.{b}.{c:04d}"
    if form < 0.62:
        return f"1-{a}-{b}-{c:04d}"
    if form < 0.68:
        return f"+1 ({a}) {b} {c:04d}"
    if form < 0.78:
        return f"{b}-{c:04d}"
    if form < 0.85:
        return f"{a} {b} {c:04d} ext {rng.randrange(1, 999)}"
    if form < 0.9:
        return f"{a}{b}{c:04d}"
    if form < 0.95:
        return ""
    return f"({a}) {b}-{c:04d} x{rng.randrange(1, 99)}"


def quoted(text):
    # Quoted when it holds a comma or a quote; quotes are doubled.
    if "," in text or '"' in text:
        return '"' + text.replace('"', '""') + '"'
    return text


def record(rng, n):
    town, state, code = city(rng)
    fields = [str(n), person(rng), street(rng), town, state, code, phone(rng)]
    return ",".join(quoted(f) for f in fields)


def main():
    write_records(record, 20240917)


if __name__ == "__main__":
    main()
