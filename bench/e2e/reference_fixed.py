#!/usr/bin/env python3
"""Makes the expected fixed-column output of the end-to-end run from the CSV, written from the
converter's documented rules, not from its code:

- lines end at LF, a CR before it is dropped; a line holds at most 32,766 bytes;
- a line is cut at its first NUL; a final quote of the line is dropped; a field that starts
  with a quote runs to the next quote followed by a comma (without its quotes), any other
  field to the next comma; doubled quotes are kept as they are; values hold 1,299 bytes at most;
- every field is trimmed (leading blanks, then trailing bytes 0x00-0x20 but never the first
  byte left), padded with blanks or cut to its width; id and amount are right-aligned;
- records end with CR LF.

usage: reference_fixed.py INPUT OUTPUT
"""
import sys

WIDTHS = [8, 32, 32, 16, 2, 10, 14, 10, 8, 20]
RIGHT = {0, 7}
LINE_LIMIT = 32766
VALUE_LIMIT = 1299


def split_comma(line):
    nul = line.find(b"\0")
    rest = line if nul < 0 else line[:nul]
    if rest.endswith(b'"'):
        rest = rest[:-1]
    values = []
    while rest and len(values) < 1500:
        if rest[:1] == b'"':
            rest = rest[1:]
            end = rest.find(b'",')
            if end < 0:
                values.append(rest[:VALUE_LIMIT])
                break
            values.append(rest[:end][:VALUE_LIMIT])
            rest = rest[end + 2:]
            continue
        comma = rest.find(b",")
        if comma < 0:
            values.append(rest[:VALUE_LIMIT])
            break
        values.append(rest[:comma][:VALUE_LIMIT])
        rest = rest[comma + 1:]
    return values


def trim(value):
    value = value.lstrip(b" ")
    end = len(value)
    while end > 1 and value[end - 1] <= 0x20:
        end -= 1
    return value[:end]


def lines(data):
    # Lines of at most LINE_LIMIT bytes; a longer line comes in pieces.
    start = 0
    size = len(data)
    while start < size:
        lf = data.find(b"\n", start)
        stop = size if lf < 0 else lf
        while stop - start > LINE_LIMIT:
            yield data[start:start + LINE_LIMIT]
            start += LINE_LIMIT
        line = data[start:stop]
        start = stop + 1
        if line.endswith(b"\r"):
            line = line[:-1]
        yield line


def convert(line):
    values = split_comma(line)
    out = []
    for i, width in enumerate(WIDTHS):
        v = trim(values[i]) if i < len(values) else b""
        if i in RIGHT and len(v) < width:
            v = b" " * (width - len(v)) + v
        out.append(v[:width].ljust(width, b" "))
    return b"".join(out) + b"\r\n"


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    with open(sys.argv[2], "wb") as out:
        chunk = []
        for line in lines(data):
            chunk.append(convert(line))
            if len(chunk) == 20000:
                out.write(b"".join(chunk))
                chunk = []
        out.write(b"".join(chunk))


if __name__ == "__main__":
    main()
