#!/usr/bin/env python3
"""Reads the first sheet of an .xlsx file with openpyxl and prints what the
printout tests compare as JSON: cells with values and types, the formulas
with their stored results, merged ranges, column widths, bold rows and
cells, and borders."""

import json
import sys

import openpyxl


def main(path):
    sheet = openpyxl.load_workbook(path).worksheets[0]
    results = openpyxl.load_workbook(path, data_only=True).worksheets[0]

    cells = {}
    formulas = {}
    bold_cells = []
    borders = {}
    for row in sheet.iter_rows():
        for cell in row:
            if not hasattr(cell, "column_letter"):
                continue  # covered by a merge
            name = cell.coordinate
            if cell.value is not None:
                if cell.data_type == "f":
                    formulas[name] = {"formula": cell.value, "result": results[name].value}
                else:
                    cells[name] = {"type": cell.data_type, "value": cell.value}
                if cell.font is not None and cell.font.b:
                    bold_cells.append(name)
            sides = [cell.border.left.style, cell.border.right.style,
                     cell.border.top.style, cell.border.bottom.style]
            if any(sides):
                borders[name] = " ".join(side or "none" for side in sides)

    bold_rows = sorted(number for number, dimension in sheet.row_dimensions.items()
                       if dimension.customFormat and dimension.font is not None and dimension.font.b)
    widths = {letter: dimension.width for letter, dimension in sheet.column_dimensions.items()
              if dimension.customWidth}

    json.dump({
        "cells": cells,
        "formulas": formulas,
        "merged": sorted(str(merged) for merged in sheet.merged_cells.ranges),
        "widths": widths,
        "boldRows": bold_rows,
        "boldCells": bold_cells,
        "borders": borders,
    }, sys.stdout, ensure_ascii=False, sort_keys=True)


if __name__ == "__main__":
    main(sys.argv[1])
