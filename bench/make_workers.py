#!/usr/bin/env python3
"""make_workers.py FILE COUNT: writes COUNT worker records (4043 bytes each) straight into FILE.

Fields are filled the way a firm keeps them: names, addresses and contacts of varied length,
long availability and notes on some workers, contract dates around today, empty attachments.
The layout (51 fields, a length byte then Windows-1252 text) is the workers archive's own.
"""
import random
import sys

FIELDS = [
    ("Cognome", 50), ("Nome", 50), ("CodFisc", 16), ("Sesso", 1), ("DataNasc", 10),
    ("ComuneNasc", 50), ("ProvNasc", 2), ("Iva", 11), ("Indirizzo", 50), ("Cap", 5),
    ("ComuneRes", 50), ("ProvRes", 2), ("Stato", 50), ("Familiari", 250), ("Recapito", 50),
    ("TelCasa", 50), ("TelCel", 50), ("TelUff", 50), ("Fax", 50), ("Email", 50),
    ("Qualifiche", 250), ("Professione", 50), ("Iban", 27), ("Intestatario", 50), ("Banca", 50),
    ("Carta", 50), ("ScadeCarta", 10), ("Prodotti", 250), ("Pagamento", 120), ("Note", 250),
    ("TipoDoc", 50), ("NumDoc", 50), ("EnteRil", 50), ("DataRil", 10), ("DataSca", 10),
    ("Codice", 30), ("Categoria", 50), ("Zona", 50), ("Acquisto", 50), ("Decorrenza", 10),
    ("Scadenza", 10), ("Preavviso", 3), ("Totale", 15), ("Frazionamento", 50), ("Rata", 50),
    ("File01", 250), ("File02", 250), ("File03", 250), ("Desc01", 250), ("Desc02", 250), ("Desc03", 250),
]
assert sum(c + 1 for _, c in FIELDS) == 4043

SURNAMES = ("Rossi Russo Ferrari Esposito Bianchi Romano Colombo Ricci Marino Greco Bruno Gallo Conti De Luca "
            "Mancini Costa Giordano Rizzo Lombardi Moretti Barbieri Fontana Santoro Mariani Rinaldi Caruso "
            "Ferrara Galli Martini Leone Longo Gentile Martinelli Vitale Lombardo Serra Coppola De Santis "
            "D'Angelo Marchetti Parisi Villa Conte Ferraro Ferri Fabbri Bianco Marini Grasso Valentini Messina "
            "Sala De Angelis Gatti Pellegrini Palumbo Sanna Farina Rizzi Monti Cattaneo Morelli Amato Silvestri "
            "Mazza Testa Grassi Pellegrino Carbone Giuliani Benedetti Barone Rossetti Caputo Montanari Guerra "
            "Palmieri Bernardi Martino Fiore De Rosa Ferretti Bellini Basile Riva Donati Piras Vitali Battaglia "
            "Sartori Neri Costantini Milani Pagano Ruggiero Sorrentino D'Amico Orlando Damico Negri Grossi").split()
NAMES = ("Marco Giuseppe Luca Francesco Antonio Alessandro Andrea Giovanni Matteo Davide Stefano Roberto Paolo "
         "Salvatore Mario Nicola Simone Fabio Vincenzo Massimo Maria Anna Giulia Francesca Sara Laura Chiara Elena "
         "Valentina Alessia Martina Federica Silvia Paola Roberta Niccolò Mattia Gabriele Riccardo Lorenzo").split()
TOWNS = ("Roma Milano Napoli Torino Palermo Genova Bologna Firenze Bari Catania Venezia Verona Messina Padova "
         "Trieste Brescia Parma Taranto Prato Modena Reggio Perugia Livorno Ravenna Cagliari Foggia Rimini "
         "Salerno Ferrara Sassari Latina Monza Siracusa Pescara Bergamo Forlì Trento Vicenza Terni Bolzano").split()
PROVINCES = ("RM MI NA TO PA GE BO FI BA CT VE VR ME PD TS BS PR TA PO MO RC PG LI RA CA FG RN SA FE SS LT MB SR "
             "PE BG FC TN VI TR BZ").split()
JOBS = ["Muratore", "Carpentiere", "Manovale", "Autista", "Escavatorista", "Gruista", "Elettricista",
        "Idraulico", "Ferraiolo", "Capocantiere", "Geometra", "Operatore macchine movimento terra",
        "Pittore edile", "Piastrellista", "Saldatore", "Magazziniere"]
CATEGORIES = ["Operaio comune", "Operaio qualificato", "Operaio specializzato", "Operaio di IV livello",
              "Impiegato tecnico", "Quadro"]
CONTRACTS = ["Tempo indeterminato", "Tempo determinato", "Stagionale", "Apprendistato", "Somministrazione",
             "Collaborazione occasionale", ""]
DAYS = ["lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"]
NOTES = ["Patente C e CQC in corso di validità.", "Corso sicurezza 16 ore completato.",
         "Preferisce i cantieri in provincia.", "Disponibile a trasferte settimanali.",
         "Visita medica periodica da rinnovare.", "Abilitato all'uso di piattaforme elevabili (PLE).",
         "Attestato primo soccorso e antincendio rischio medio.", "Lavora con la squadra di Bianchi."]
TOOLS = ["casco", "scarpe antinfortunistiche", "guanti", "imbracatura", "occhiali", "cuffie", "giubbotto AV",
         "trapano a percussione", "flessibile", "livella laser"]


def field(text, capacity):
    data = text.encode("cp1252", "replace")[:capacity]
    return bytes([len(data)]) + data + bytes(capacity - len(data))


def fiscal_code(rnd):
    letters = "ABCDEFGHILMNOPRSTVZ"
    return ("".join(rnd.choice(letters) for _ in range(6)) + "%02d" % rnd.randrange(40, 99)
            + rnd.choice("ABCDEHLMPRST") + "%02d" % rnd.randrange(1, 70) + rnd.choice("ABCDEFGHLM")
            + "%03d" % rnd.randrange(1000) + rnd.choice(letters))


def date(rnd, first_year, last_year, one_digit=False):
    d, m, y = rnd.randrange(1, 29), rnd.randrange(1, 13), rnd.randrange(first_year, last_year + 1)
    return ("%d/%d/%d" if one_digit else "%02d/%02d/%04d") % (d, m, y)


def worker(rnd, i):
    surname, name = rnd.choice(SURNAMES), rnd.choice(NAMES)
    if rnd.random() < 0.15:
        surname += " " + rnd.choice(SURNAMES)
    town, prov = rnd.randrange(len(TOWNS)), rnd.randrange(len(PROVINCES))
    days = ", ".join(sorted(rnd.sample(DAYS, rnd.randrange(1, 6)), key=DAYS.index))
    availability = days + " dalle %d alle %d" % (rnd.randrange(6, 10), rnd.randrange(15, 20))
    if rnd.random() < 0.3:
        availability += "; reperibile il sabato mattina su chiamata, escluso agosto e le festività natalizie"
    total = rnd.randrange(12000, 60000)
    instalments = rnd.choice([12, 13, 14])
    values = {
        "Cognome": surname, "Nome": name, "CodFisc": fiscal_code(rnd), "Sesso": rnd.choice("MF"),
        "DataNasc": date(rnd, 1960, 2004), "ComuneNasc": TOWNS[town], "ProvNasc": PROVINCES[town],
        "Iva": "%011d" % rnd.randrange(10 ** 10) if rnd.random() < 0.2 else "",
        "Indirizzo": "Via %s %d" % (rnd.choice(["Garibaldi", "Mazzini", "Roma", "Verdi", "Dante", "dei Mille"]),
                                   rnd.randrange(1, 200)),
        "Cap": "%05d" % rnd.randrange(10000, 99999), "ComuneRes": TOWNS[prov], "ProvRes": PROVINCES[prov],
        "Stato": rnd.choice(["Celibe", "Nubile", "Coniugato", "Coniugata", "Separato", "Vedovo"]),
        "Familiari": availability, "Recapito": rnd.choice(["cellulare", "casa", "e-mail", "ufficio"]),
        "TelCasa": "0%d %d" % (rnd.randrange(10, 99), rnd.randrange(100000, 9999999)),
        "TelCel": "3%d %d" % (rnd.randrange(20, 99), rnd.randrange(1000000, 9999999)),
        "TelUff": "", "Fax": "",
        "Email": "%s.%s%d@esempio.it" % (name.lower(), surname.split()[0].lower().replace("'", ""), i % 97),
        "Qualifiche": rnd.choice(JOBS) + (", patentino gru" if rnd.random() < 0.2 else ""),
        "Professione": rnd.choice(["", "Diploma di geometra", "Licenza media", "Attestato regionale"]),
        "Iban": "IT%02d%s%010d%012d" % (rnd.randrange(100), rnd.choice("ABCDX"), rnd.randrange(10 ** 10),
                                        rnd.randrange(10 ** 12)),
        "Intestatario": surname + " " + name, "Banca": rnd.choice(["Banca Esempio", "Cassa Rurale", "Poste"]),
        "Carta": "", "ScadeCarta": "",
        "Prodotti": ", ".join(rnd.sample(TOOLS, rnd.randrange(1, 7))),
        "Pagamento": rnd.choice(["Bonifico mensile", "Bonifico al 10 del mese", "Assegno"]),
        "Note": " ".join(rnd.sample(NOTES, rnd.randrange(0, 5))),
        "TipoDoc": rnd.choice(["Carta d'identità", "Patente", "Passaporto"]),
        "NumDoc": "%s%07d" % (rnd.choice(["CA", "AY", "U1"]), rnd.randrange(10 ** 7)),
        "EnteRil": "Comune di " + TOWNS[prov], "DataRil": date(rnd, 2015, 2023), "DataSca": date(rnd, 2025, 2034),
        "Codice": rnd.choice(JOBS), "Categoria": rnd.choice(CATEGORIES), "Zona": "Livello %d" % rnd.randrange(1, 8),
        "Acquisto": rnd.choice(CONTRACTS),
        "Decorrenza": date(rnd, 2010, 2023, rnd.random() < 0.1),
        "Scadenza": date(rnd, 2023, 2027, rnd.random() < 0.1),
        "Preavviso": str(rnd.choice([0, 15, 30, 30, 60, 90])),
        "Totale": "%d,00" % total, "Frazionamento": "%d mensilità" % instalments,
        "Rata": "%.2f" % (total / instalments),
    }
    values["Rata"] = values["Rata"].replace(".", ",")
    return b"".join(field(values.get(name, ""), capacity) for name, capacity in FIELDS)


def main():
    path, count = sys.argv[1], int(sys.argv[2])
    rnd = random.Random(2024)
    with open(path, "wb") as out:
        for i in range(count):
            out.write(worker(rnd, i))


if __name__ == "__main__":
    main()
