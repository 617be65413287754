"""Reads a lattice CIF file with gemmi and checks its atom-site and bond loops.

Usage: cif_check.py FILE ATOMS BONDS [MARKED]
Exits non-zero (with the reason) when the file does not parse, when a loop
lacks a column or has another number of rows, when a coordinate does not read
back as a number, or when a bond names an atom that is not in the file. With
MARKED, that many vertices must carry element 16 (occupied by the sphere) and
exactly the bonds touching them must be black.
"""
import math
import sys

import gemmi

ATOM_COLUMNS = [
    "type_symbol", "label_atom_id", "Cartn_x", "Cartn_y", "Cartn_z",
    "occupancy", "B_iso_or_equiv", "attached_hydrogen", "entity_id",
    "chemical_conn_number", "kvt_chemical_shift", "kvt_set", "kvt_marker",
    "kvt_atom_label",
]
BOND_COLUMNS = ["bond_atom_1", "bond_atom_2", "kvt_color", "kvt_color_1", "kvt_color_2"]


def main(path, atoms, bonds, marked=None):
    block = gemmi.cif.read_file(path).sole_block()
    atom_loop = block.find_loop("_atom_site_type_symbol").get_loop()
    columns = list(ATOM_COLUMNS)
    if "_atom_site_charge" in atom_loop.tags:  # present when some charge is not 0
        columns.insert(5, "charge")
    assert atom_loop.tags == ["_atom_site_" + c for c in columns], atom_loop.tags
    table = block.find("_atom_site_", columns)
    assert len(table) == atoms, f"{len(table)} atom rows, expected {atoms}"
    numbers = set()
    sphere = set()
    number_column = columns.index("chemical_conn_number")
    for row in table:
        for column in (2, 3, 4):
            value = gemmi.cif.as_number(row[column])
            assert math.isfinite(value), f"coordinate {row[column]!r}"
        numbers.add(row[number_column])
        if row[0] == "16":
            sphere.add(row[number_column])
    if marked is not None:
        assert len(sphere) == marked, f"{len(sphere)} vertices of element 16, expected {marked}"
    bond_loop = block.find_loop("_chemical_conn_bond_atom_1").get_loop()
    assert bond_loop.tags == ["_chemical_conn_" + c for c in BOND_COLUMNS], bond_loop.tags
    table = block.find("_chemical_conn_", BOND_COLUMNS)
    assert len(table) == bonds, f"{len(table)} bond rows, expected {bonds}"
    for row in table:
        assert row[0] in numbers and row[1] in numbers, f"bond {row[0]} {row[1]}"
        assert row[2] in ("black", "white"), row[2]
        if marked is not None:
            touches = row[0] in sphere or row[1] in sphere
            assert row[2] == ("black" if touches else "white"), f"bond {row[0]} {row[1]} {row[2]}"
    assert len(block.find_values("_entity_name_common")) == 1


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]),
         int(sys.argv[4]) if len(sys.argv) > 4 else None)
