# Prints every cell of the first sheet of a workbook, read by python3-openpyxl: one line per
# cell, "row,column|type|value", type "n" for numbers and "s" for texts.
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1], read_only=True)
sheet = book.worksheets[0]
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        kind = "n" if isinstance(cell.value, (int, float)) else "s"
        value = cell.value
        if kind == "n" and float(value).is_integer():
            value = int(value)
        print("%d,%d|%s|%s" % (cell.row, cell.column, kind, value))
