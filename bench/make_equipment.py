#!/usr/bin/env python3
"""make_equipment.py FILE COUNT: writes COUNT equipment records (3448 bytes each) to FILE.

Records are written directly in the archive's form: 28 fields, each a length byte and up to
its capacity of Windows-1252 characters. Values vary the way an inventory's do: revision dates
over three years, notice days, about a third of the revisions done, amounts with 2 to 4 decimals.
"""
import sys

CAPACITIES = [30, 50, 15, 50, 250, 50, 50, 50, 250, 250, 10, 50, 50, 30, 10, 3, 50, 120, 50, 250, 250, 2,
              250, 250, 250, 250, 250, 250]
TYPES = ["Escavatore", "Betoniera", "Gru a torre", "Martello demolitore", "Trapano a percussione",
         "Ponteggio", "Compressore", "Generatore", "Sega circolare", "Livella laser"]
MAKES = ["Caterpillar 320", "Bosch GBH 5-40", "Hilti TE 70", "Liebherr 71 K", "Makita HR4013C",
         "Atlas Copco XAS", "Imer Syntesi 350", "Honda EU 22i", "Dewalt DWE7491", "Leica Rugby 640"]
FIRMS = ["Edil Forniture S.r.l.", "Noleggi Centro S.p.A.", "Macchine Edili Rossi", "Ferramenta Bianchi"]


def field(text, capacity):
    data = text.encode("cp1252")[:capacity]
    return bytes([len(data)]) + data + b"\0" * (capacity - len(data))


def record(i):
    kind = TYPES[i % len(TYPES)]
    make = MAKES[(i * 7) % len(MAKES)]
    day, month, year = i % 28 + 1, (i // 28) % 12 + 1, 2023 + (i // 336) % 3
    values = [
        "ATT-%06d" % (i + 1), kind, "%d,%s" % (100 + (i * 37) % 90000, ["00", "50", "125", "0005"][i % 4]),
        make, "%s %s per cantiere" % (kind, make), "SN%010d" % (i * 7919), ["Diesel", "Elettrica 230 V",
        "Benzina", "Batteria"][i % 4], "%d x %d x %d cm" % (50 + i % 200, 40 + i % 90, 30 + i % 70),
        "Uso in cantiere secondo il libretto; operatore abilitato e dispositivi di protezione obbligatori.",
        "Fattura n. %d del %02d/%02d/%d" % (i + 1000, day, month, year - 2), "%02d/%02d/%d" % (day, month, year - 2),
        "24 mesi", "Sig. Verdi", "06 %07d" % (i % 10000000), "%02d/%02d/%d" % (day, month, year),
        str((i * 13) % 120), FIRMS[i % len(FIRMS)], "Dott. Mario Neri, amministratore", "info@fornitore.it",
        "Bonifico a 30 giorni data fattura fine mese", "Controllare i filtri ogni 250 ore di lavoro.",
        "S\u00ec" if i % 3 == 0 else "No", "", "", "", "", "", "",
    ]
    return b"".join(field(v, c) for v, c in zip(values, CAPACITIES))


def main():
    path, count = sys.argv[1], int(sys.argv[2])
    with open(path, "wb") as out:
        for i in range(count):
            out.write(record(i))


if __name__ == "__main__":
    main()
