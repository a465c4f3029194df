#!/usr/bin/python3
"""Checks a sample database against the import files it was made from, with dbfread.

usage: check_sample_database.py DATABASE_DIR IMPORT_DIR

Every record line of AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS must land in its table
with the values of its columns (read here independently of the program's import), the
runways of each airport as the last group of lines that names it, and every computed
variation must be a whole number of degrees that fits its position.
"""
import sys
from pathlib import Path

import dbfread

TEXT, INTEGER, REAL = 'text', 'integer', 'real'

AIRPORT_COLUMNS = [
    ('ID', 9, None, TEXT), ('NAME', 15, None, TEXT), ('COUNTRY', 61, None, TEXT), ('STATE', 65, None, TEXT),
    ('ALT', 70, 5, INTEGER), ('LAT1', 80, 1, INTEGER), ('LAT2', 82, 2, INTEGER), ('LAT3', 85, 2, INTEGER),
    ('LAT4', 88, 2, INTEGER), ('LON1', 91, 1, INTEGER), ('LON2', 93, 3, INTEGER), ('LON3', 97, 2, INTEGER),
    ('LON4', 100, 2, INTEGER), ('ATIS', 103, 6, REAL), ('TWR', 110, 6, REAL),
]
NAVAID_COLUMNS = [
    ('ID', 9, None, TEXT), ('NAME', 15, None, TEXT), ('LAT1', 61, 1, INTEGER), ('LAT2', 63, 2, INTEGER),
    ('LAT3', 66, 2, INTEGER), ('LAT4', 69, 2, INTEGER), ('LON1', 72, 1, INTEGER), ('LON2', 74, 3, INTEGER),
    ('LON3', 78, 2, INTEGER), ('LON4', 81, 2, INTEGER), ('ALT', 84, 5, INTEGER), ('FREQ', 90, None, TEXT),
    ('TYPE', 97, None, TEXT),
]
RUNWAY_COLUMNS = [
    ('RUNWAYS', 9, None, TEXT), ('LEN', 27, None, TEXT), ('SURFACE', 37, None, TEXT), ('REM', 46, None, TEXT),
    ('NAV1', 67, None, TEXT), ('RWY1', 71, None, TEXT), ('FREQ1', 75, None, TEXT), ('NAV2', 82, None, TEXT),
    ('RWY2', 86, None, TEXT), ('FREQ2', 90, None, TEXT),
]

# Whole degrees of declination in 1997 near the far-away sample airports, from the worked
# examples of the model (Montreal, Denver, Sydney, London).
KNOWN_VARIATIONS = {'CYUL': -15, 'KDEN': 10, 'YSSY': 12, 'EGLL': -3}

failures = []


def fail(message):
    failures.append(message)


def record_lines(path):
    lines = path.read_bytes().decode('latin-1').split('\n')[3:]
    records = []
    for line in lines:
        if line == '':
            break
        records.append(line)
    return records


def expected_value(line, offset, width, kind, field_width):
    if kind == TEXT:
        return line[offset:][:field_width].rstrip(' ')
    text = line[offset:offset + width].strip()
    return int(text) if kind == INTEGER else float(text)


def compare(table_name, record, line, columns, widths):
    num = line[:8]
    if record['NUM'] != num.rstrip(' '):
        fail(f'{table_name}: NUM {record["NUM"]!r} where the line has {num!r}')
    for field, offset, width, kind in columns:
        expected = expected_value(line, offset, width, kind, widths[field])
        actual = record[field]
        same = abs(actual - expected) < 1e-9 if kind == REAL else actual == expected
        if not same:
            fail(f'{table_name} {num}: {field} is {actual!r}, the line gives {expected!r}')


def field_widths(table):
    return {field.name: field.length for field in table.fields}


def check_merged(database, imports, name, columns):
    table = dbfread.DBF(str(database / f'{name}.DBF'), encoding='latin-1')
    records = {record['NUM']: record for record in table}
    lines = record_lines(imports / f'{name}.GPS')
    if len(table) != len(lines):
        fail(f'{name}: {len(table)} records for {len(lines)} lines')
    for line in lines:
        record = records.get(line[:8].rstrip(' '))
        if record is None:
            fail(f'{name}: no record for line {line[:8]!r}')
            continue
        compare(name, record, line, columns, field_widths(table))
    return table, lines


def check_variations(table, lines):
    by_num = {record['NUM']: record for record in table}
    for line in lines:
        if line[76] != 'A':
            continue
        record = by_num[line[:8]]
        latitude = record['LAT2'] * (-1 if record['LAT1'] else 1)
        west = record['LON1'] == 0
        variation = record['VAR']
        ident = record['ID']
        if ident in KNOWN_VARIATIONS and variation != KNOWN_VARIATIONS[ident]:
            fail(f'AIRPORTS {ident}: VAR {variation}, expected {KNOWN_VARIATIONS[ident]}')
        # The sample's region (Seattle, Portland): declination 17 to 21 degrees east in 1997.
        if 45 <= latitude <= 49 and west and 121 <= record['LON2'] <= 124 and not 17 <= variation <= 21:
            fail(f'AIRPORTS {ident}: VAR {variation} outside 17..21 for the sample region')


def check_runways(database, imports):
    table = dbfread.DBF(str(database / 'RUNWAYS.DBF'), encoding='latin-1')
    widths = field_widths(table)
    # Each group of lines for an airport replaces what was stored for it before.
    expected = []
    previous = ' '
    for line in record_lines(imports / 'RUNWAYS.GPS'):
        key = line[:8]
        if key != previous:
            expected = [kept for kept in expected if kept[:8] != key]
            previous = key
        expected.append(line)
    records = list(table)
    if len(records) != len(expected):
        fail(f'RUNWAYS: {len(records)} records, expected {len(expected)}')
    for record, line in zip(records, expected):
        compare('RUNWAYS', record, line, RUNWAY_COLUMNS, widths)


def main(database, imports):
    database, imports = Path(database), Path(imports)
    airports, airport_lines = check_merged(database, imports, 'AIRPORTS', AIRPORT_COLUMNS)
    check_variations(airports, airport_lines)
    check_merged(database, imports, 'NAVAIDS', NAVAID_COLUMNS)
    check_runways(database, imports)
    for message in failures:
        print(message)
    print(f'{database}: {len(failures)} differences')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:3]))
