#!/usr/bin/env python3
"""Writes the sample answer files in this folder.

KALMIR.dat is one respondent; team/ holds five respondents of one project team, one of whom
left a question unanswered. The answers are drawn from a fixed seed, so running the script
again gives the same files.
"""
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent


def record(codes, name):
    header = ("KALMIR 1.0 " + name).encode("latin-1")[:44].ljust(44, b"\0")
    assert len(codes) == 96
    return header + struct.pack("<96i", *codes) + b"\0\0\0\0"


def respondent(rng, leaning):
    # Most answers lie near the respondent's own leaning, a few further off.
    return [max(0, min(4, round(rng.gauss(leaning, 1.0)))) for _ in range(96)]


def main():
    rng = random.Random(4711)
    (HERE / "KALMIR.dat").write_bytes(record(respondent(rng, 2.6), "Einzel"))

    team = HERE / "team"
    team.mkdir(exist_ok=True)
    for name, leaning in [("Ahrens", 3.0), ("Brandt", 2.2), ("Celik", 2.8),
                          ("Dietz", 1.7), ("Engel", 3.4)]:
        codes = respondent(rng, leaning)
        if name == "Dietz":
            codes[37 - 1] = -1  # one statement left unanswered
        (team / f"{name}.dat").write_bytes(record(codes, name))


if __name__ == "__main__":
    main()
