"""Prints a table as python3-dbfread reads it, for the engine's cross-check test.

One line per live record: its field values separated by "|" (character fields without
their trailing blanks, numbers with four decimals, empty numbers empty), then a line
"deleted N" with the number of records marked deleted.
"""
import io
import sys

import dbfread

# Back in the tables' own code page, to compare byte for byte with the engine's text.
sys.stdout = io.TextIOWrapper(sys.stdout.buffer, encoding="cp1252")

table = dbfread.DBF(sys.argv[1], char_decode_errors="strict")
for record in table:
    values = []
    for field in table.fields:
        value = record[field.name]
        if field.type == "N":
            values.append("" if value is None else "%.4f" % value)
        else:
            values.append(value)
    print("|".join(values))
print("deleted %d" % len(table.deleted))
print("widths " + " ".join("%s:%d" % (f.name, f.length) for f in table.fields))
