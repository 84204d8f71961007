#!/usr/bin/env python3
"""Writes the records of the sample program folder as JSON arrays for `cantilog-cli append`,
the title page settings "Cantilog.ini" (Windows-1252) and the attached documents.

    sample_data.py journal|equipment|workers TODAY   prints the JSON array on standard output
    sample_data.py ini DIR                           writes DIR/Cantilog.ini
    sample_data.py attachments DIR                   writes the documents into DIR/Documenti_Allegati

TODAY is dd/mm/yyyy: every date is counted from it, so the summaries of revisions and contracts
always list some records.
"""
import datetime
import json
import pathlib
import struct
import sys
import zlib

JOURNAL = "Scuola Manzoni"

SITE = {
    "Numero": "1",
    "Committente": "Comune di Castelnuovo di Sotto - Settore Lavori Pubblici",
    "Impresa": "Edil Ferrari Costruzioni S.r.l.",
    "Oggetto": "Ristrutturazione e adeguamento sismico della scuola primaria \"A. Manzoni\", via Roma 12",
    "Direttore": "Ing. Paolo Bertolini",
    "Responsabile": "Arch. Marta Guidetti",
}

TITLE_PAGE = {
    "Comune": "Castelnuovo di Sotto",
    "Provincia": "Reggio Emilia",
    "Numero": "1",
    "Committente": SITE["Committente"],
    "Impresa": SITE["Impresa"],
    "Oggetto": SITE["Oggetto"],
    "Estremi": "Contratto d'appalto rep. n. 2187 del 14/03, registrato a Reggio Emilia al n. 412 serie 1T",
    "Direttore": SITE["Direttore"],
    "Responsabile": SITE["Responsabile"],
}

# The site's works in their order: (days, annotations, crew, machines).
PHASES = [
    (2, "Consegna dei lavori e tracciamento dell'area di cantiere. Posa della recinzione in pannelli "
        "metallici e della segnaletica su via Roma.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Bianchi Andrea"], ["Autocarro con gru Iveco Eurocargo"]),
    (3, "Allestimento del cantiere: baracca uffici, servizi igienici, quadro elettrico di cantiere e "
        "impianto di messa a terra. Montaggio della gru a torre.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Bianchi Andrea", "Esposito Ciro (elettricista)"],
     ["Gru a torre Potain", "Autocarro con gru Iveco Eurocargo"]),
    (4, "Demolizione dei tramezzi interni al piano terra e rimozione dei pavimenti in linoleum. "
        "Carico e trasporto delle macerie a discarica autorizzata.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Bianchi Andrea", "Colombo Davide", "Ricci Stefano"],
     ["Miniescavatore Kubota KX027", "Martello demolitore Hilti TE 1000", "Autocarro con gru Iveco Eurocargo"]),
    (4, "Scavo a sezione obbligata per le nuove fondazioni del vano scala esterno, profondità 1,20 m. "
        "Rinvenuta tubazione dismessa, segnalata alla direzione lavori.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Colombo Davide", "Ricci Stefano"],
     ["Escavatore cingolato CAT 308", "Autocarro con gru Iveco Eurocargo"]),
    (4, "Getto del magrone e posa delle armature delle fondazioni. Getto delle fondazioni con "
        "calcestruzzo C25/30, prelievo di sei cubetti per le prove di laboratorio.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Bianchi Andrea", "Colombo Davide", "Marino Giuseppe"],
     ["Gru a torre Potain", "Vibratore per calcestruzzo Wacker", "Betoniera a bicchiere Imer"]),
    (5, "Rinforzo dei solai del primo piano con cappa collaborante e connettori. Placcaggio delle travi "
        "in fibra di carbonio nelle aule 3 e 4.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Bianchi Andrea", "Marino Giuseppe", "Greco Antonio"],
     ["Gru a torre Potain", "Trapano a rotazione Bosch GBH", "Ponteggio metallico Marcegaglia"]),
    (4, "Montaggio del ponteggio sul prospetto nord. Rimozione degli intonaci ammalorati e "
        "ripristino dei frontalini in calcestruzzo.",
     ["Ferrari Luca (capocantiere)", "Rossi Marco", "Greco Antonio", "Ricci Stefano"],
     ["Ponteggio metallico Marcegaglia", "Idropulitrice Kärcher HD", "Autocarro con gru Iveco Eurocargo"]),
    (4, "Tracce per i nuovi impianti elettrici e posa dei corrugati nelle aule del piano terra. "
        "Posa dei nuovi serramenti in PVC sul prospetto sud.",
     ["Ferrari Luca (capocantiere)", "Esposito Ciro (elettricista)", "Bianchi Andrea", "Colombo Davide"],
     ["Trapano a rotazione Bosch GBH", "Piattaforma aerea Haulotte"]),
]

WEATHER = ["Sereno", "Sereno, ventilato", "Poco nuvoloso", "Nuvoloso", "Coperto", "Pioggia debole al mattino",
           "Sereno, temperatura mite", "Nebbia al mattino, poi sereno", "Variabile"]
GROUND = ["Asciutto", "Asciutto", "Umido", "Fangoso nella zona di scavo", "Asciutto, compatto", "Umido in superficie"]

NOTES = [
    "Si raccomanda il rispetto del piano di sicurezza: delimitare l'area di manovra della gru durante le ore di "
    "lezione nel plesso adiacente.",
    "Verificata la corrispondenza delle armature ai disegni esecutivi. Si autorizza il getto.",
    "Si dispone la pulizia della sede stradale di via Roma a fine giornata.",
    "Nulla da osservare.",
    "Si chiede all'impresa di presentare le schede tecniche dei serramenti prima della posa.",
    "La direzione lavori prende atto del ritrovamento della tubazione e dispone di proseguire lo scavo a mano "
    "nel tratto interessato.",
    "Controllati i certificati dei materiali consegnati in cantiere: conformi.",
]

LAST_NOTE = ("Si dispone che le tracce nelle aule 1 e 2 siano chiuse entro venerdì; la posa dei serramenti "
             "del prospetto sud prosegue dopo la verifica dei controtelai.")


def parse_day(text):
    d, m, y = (int(p) for p in text.split("/"))
    return datetime.date(y, m, d)


def fmt(day):
    return day.strftime("%d/%m/%Y")


def working_days(today, count):
    """The last `count` working days (Monday to Friday) up to yesterday, oldest first."""
    days = []
    day = today - datetime.timedelta(days=1)
    while len(days) < count:
        if day.weekday() < 5:
            days.append(day)
        day -= datetime.timedelta(days=1)
    return list(reversed(days))


def journal(today):
    phases = [p for phase in PHASES for p in [phase] * phase[0]]
    pages = []
    for i, day in enumerate(working_days(today, len(phases))):
        _, annotations, crew, machines = phases[i]
        # One or two of the crew off on some days, so the count changes.
        present = crew if i % 5 else crew[:-1] if len(crew) > 3 else crew
        lines = ["Operai: " + ", ".join(present) + ".", "Mezzi d'opera: " + ", ".join(machines) + "."]
        page = dict(SITE)
        page.update({
            "Data": fmt(day),
            "Meteo": WEATHER[(i * 7 + 3) % len(WEATHER)],
            "Natura": GROUND[(i * 5 + 1) % len(GROUND)],
            "Totale": str(len(present)),
            "Annotazioni": annotations,
            "Operai": "\r\n".join(lines),
            "Osservazioni": NOTES[(i * 3) % len(NOTES)] if i % 3 == 0 or i == 15 else
                            LAST_NOTE if i == len(phases) - 1 else "",
        })
        if i == 0:
            page.update({"File01": "Verbale_consegna_lavori.pdf", "Desc01": "Verbale di consegna dei lavori"})
        if i == 15:
            page.update({"File01": "Foto_scavo_tubazione.png",
                         "Desc01": "Fotografia della tubazione dismessa rinvenuta nello scavo"})
        pages.append(page)
    return pages


def equipment(today):
    def d(days):
        return fmt(today + datetime.timedelta(days=days))

    # (code, type, value, make, description, serial, power, size, revision in days, notice, done)
    items = [
        ("GT-01", "Gru a torre", "68500,00", "Potain Igo T 85", "Gru a torre automontante Potain", "PT-85-20931",
         "Elettrica 400 V", "Braccio 40 m", 12, 30, "No"),
        ("AC-02", "Autocarro con gru", "92300,00", "Iveco Eurocargo 120E25", "Autocarro con gru Iveco Eurocargo",
         "ZCFA1AG0302567811", "Gasolio", "7,5 x 2,5 m", -9, 15, "No"),
        ("ES-03", "Escavatore cingolato", "87000,00", "Caterpillar 308 CR", "Escavatore cingolato CAT 308",
         "CAT0308CJ4H01127", "Gasolio", "Peso 8,5 t", 160, 30, "No"),
        ("ME-04", "Miniescavatore", "31800,00", "Kubota KX027-4", "Miniescavatore Kubota KX027", "KX027-51234",
         "Gasolio", "Peso 2,7 t", 5, 20, "No"),
        ("BT-05", "Betoniera", "1250,00", "Imer Syntesi 350", "Betoniera a bicchiere Imer", "IM350-88712",
         "Elettrica 230 V", "350 litri", -40, 10, "No"),
        ("MD-06", "Martello demolitore", "1890,50", "Hilti TE 1000-AVR", "Martello demolitore Hilti TE 1000",
         "HT1000-004561", "Elettrica 230 V", "Peso 12 kg", 95, 15, "No"),
        ("VB-07", "Vibratore per calcestruzzo", "640,00", "Wacker Neuson IRFU 45", "Vibratore per calcestruzzo Wacker",
         "WN45-22019", "Elettrica 230 V", "Ago 45 mm", -3, 7, "No"),
        ("PA-08", "Piattaforma aerea", "45200,00", "Haulotte Compact 12", "Piattaforma aerea Haulotte",
         "HC12-0938", "Elettrica a batteria", "Altezza 12 m", 20, 30, "No"),
        ("PO-09", "Ponteggio", "18400,00", "Marcegaglia Pi.Ma.", "Ponteggio metallico Marcegaglia", "Lotto 2019/44",
         "-", "600 mq", 240, 30, "No"),
        ("TR-10", "Trapano tassellatore", "420,00", "Bosch GBH 8-45 D", "Trapano a rotazione Bosch GBH",
         "BSH845-77120", "Elettrica 230 V", "Peso 8 kg", -15, 10, "Sì"),
        ("ID-11", "Idropulitrice", "1150,00", "Kärcher HD 6/15 C", "Idropulitrice Kärcher HD", "KHD615-30091",
         "Elettrica 230 V", "150 bar", 60, 15, "No"),
        ("GE-12", "Generatore", "3480,00", "Honda EM 5500", "Gruppo elettrogeno Honda", "EM55-1102873",
         "Benzina", "5,5 kVA", -1, 10, "No"),
    ]
    suppliers = [
        ("Macchine Edili Emiliane S.p.A.", "Dott. Giorgio Fontana", "0522 471100", "Bonifico a 60 giorni"),
        ("Noleggi Bassa Reggiana S.r.l.", "Sig.ra Elena Pellacani", "0522 682310", "Ri.Ba. 30/60 giorni"),
        ("Ferramenta Tecnica Guastalla", "Sig. Mauro Ganassi", "0522 824455", "Contanti"),
    ]
    records = []
    for n, (code, kind, value, make, desc, serial, power, size, due, notice, done) in enumerate(items):
        supplier = suppliers[n % len(suppliers)]
        bought = today - datetime.timedelta(days=300 + 97 * n)
        record = {
            "Codice": code, "Tipologia": kind, "Euro": value, "Marca": make, "Descrizione": desc,
            "Matricola": serial, "Alimentazione": power, "Dimensioni": size,
            "Utilizzo": "Solo personale formato, con dispositivi di protezione individuale",
            "Documento": "Fattura n. %d/%d" % (120 + 7 * n, bought.year),
            "DataAcq": fmt(bought), "Garanzia": "24 mesi dalla data di acquisto" if n % 2 else "12 mesi",
            "Persona": supplier[1], "TelAss": supplier[2], "DataSca": d(due), "Preavviso": str(notice),
            "Ditta": supplier[0], "Titolare": supplier[1], "Recapito": supplier[2], "Pagamento": supplier[3],
            "Note": "Revisione annuale presso l'officina del fornitore" if n % 3 == 0 else "",
            "Effettuata": done,
        }
        if code == "GT-01":
            record.update({"File01": "Libretto_gru_GT-01.txt", "Desc01": "Libretto e verifiche periodiche della gru"})
        records.append(record)
    return records


def workers(today):
    def d(days):
        return fmt(today + datetime.timedelta(days=days))

    # (surname, name, fiscal code, sex, birth, town, prov, job, category, level, contract,
    #  hired (days ago), next expiry (days from today), notice)
    people = [
        ("Ferrari", "Luca", "FRRLCU75C12H223K", "M", "12/03/1975", "Reggio nell'Emilia", "RE", "Capocantiere",
         "Operaio", "5° livello", "Tempo indeterminato", 6200, 320, 30),
        ("Rossi", "Marco", "RSSMRC82L05F463S", "M", "05/07/1982", "Montecchio Emilia", "RE", "Muratore",
         "Operaio", "3° livello", "Tempo determinato", 400, 12, 30),
        ("Bianchi", "Andrea", "BNCNDR90A21G337U", "M", "21/01/1990", "Parma", "PR", "Muratore",
         "Operaio", "2° livello", "Tempo determinato", 200, -6, 15),
        ("Colombo", "Davide", "CLMDVD88E14E897T", "M", "14/05/1988", "Mantova", "MN", "Escavatorista",
         "Operaio", "3° livello", "Tempo indeterminato", 2900, 200, 30),
        ("Ricci", "Stefano", "RCCSFN79S30C219B", "M", "30/11/1979", "Castelnovo ne' Monti", "RE", "Manovale",
         "Operaio", "1° livello", "Tempo determinato", 150, 25, 30),
        ("Marino", "Giuseppe", "MRNGPP71P08F839Y", "M", "08/09/1971", "Napoli", "NA", "Carpentiere",
         "Operaio", "3° livello", "Tempo indeterminato", 5100, 410, 30),
        ("Greco", "Antonio", "GRCNTN85T17D086L", "M", "17/12/1985", "Cosenza", "CS", "Intonacatore",
         "Operaio", "2° livello", "Apprendistato", 700, 40, 60),
        ("Esposito", "Ciro", "SPSCRI80H02F839P", "M", "02/06/1980", "Napoli", "NA", "Elettricista",
         "Operaio", "4° livello", "Tempo indeterminato", 3300, 95, 30),
        ("Fontanesi", "Giulia", "FNTGLI92M45H223D", "F", "05/08/1992", "Reggio nell'Emilia", "RE",
         "Geometra di cantiere", "Impiegato", "5° livello", "Tempo indeterminato", 1500, 150, 30),
        ("Benassi", "Sara", "BNSSRA87D50C573W", "F", "10/04/1987", "Cesena", "FC", "Impiegata amministrativa",
         "Impiegato", "4° livello", "Part-time", 2100, 8, 20),
        ("Zanichelli", "Matteo", "ZNCMTT95R19A944H", "M", "19/10/1995", "Bologna", "BO", "Gruista",
         "Operaio", "3° livello", "Tempo determinato", 300, 75, 30),
        ("Popescu", "Ion", "PPSNIO83B11Z129R", "M", "11/02/1983", "Romania", "EE", "Manovale",
         "Operaio", "1° livello", "Tempo determinato", 90, -2, 15),
    ]
    streets = ["Via Emilia 45", "Via Garibaldi 8", "Viale Mazzini 112", "Via Matteotti 3", "Piazza Libertà 19",
               "Via dei Mille 27"]
    records = []
    for n, (surname, name, cf, sex, birth, town, prov, job, cat, level, contract, hired, expiry,
            notice) in enumerate(people):
        mobile = "3%02d %07d" % (20 + 7 * n % 80, 4512300 + 8191 * n)
        pay = 1650 + 90 * n
        record = {
            "Cognome": surname, "Nome": name, "CodFisc": cf, "Sesso": sex, "DataNasc": birth,
            "ComuneNasc": town, "ProvNasc": prov,
            "Indirizzo": streets[n % len(streets)], "Cap": "42024", "ComuneRes": "Castelnuovo di Sotto",
            "ProvRes": "RE", "Stato": "Coniugato" if n % 3 == 0 else "Celibe" if sex == "M" else "Nubile",
            "Familiari": "Dal lunedì al venerdì, 7:30 - 16:30", "Recapito": mobile, "TelCel": mobile,
            "Email": "%s.%s@edilferrari.it" % (name.lower(), surname.lower()),
            "Qualifiche": job, "Professione": "Corso sicurezza 16 ore; primo soccorso" if n % 2 else "Corso sicurezza 16 ore",
            "Iban": "IT60X0542811101000000%06d" % (123456 + 1111 * n), "Intestatario": "%s %s" % (name, surname),
            "Banca": "Banca Popolare dell'Emilia", "Prodotti": "Casco, scarpe antinfortunistiche, guanti, imbracatura",
            "Pagamento": "Bonifico mensile", "Note": "",
            "TipoDoc": "Carta d'identità", "NumDoc": "CA%05d%s" % (10000 + 731 * n, "AB"[n % 2]),
            "EnteRil": "Comune di " + ("Castelnuovo di Sotto" if n % 2 else town),
            "DataRil": d(-900 - 30 * n), "DataSca": d(2700 - 30 * n),
            "Codice": job, "Categoria": cat, "Zona": level, "Acquisto": contract,
            "Decorrenza": d(-hired), "Scadenza": d(expiry), "Preavviso": str(notice),
            "Totale": "%d,00" % (pay * 13), "Frazionamento": "Mensile", "Rata": "%d,00" % pay,
        }
        if n == 1:
            record.update({"File01": "Contratto_Rossi_Marco.txt", "Desc01": "Contratto di lavoro a tempo determinato"})
        records.append(record)
    return records


def write_ini(folder):
    lines = ["[Frontespizio Registro]"] + ["%s=%s" % (k, v) for k, v in TITLE_PAGE.items()]
    (folder / "Cantilog.ini").write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def png(width, height, pixel):
    rows = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write_attachments(folder):
    docs = folder / "Documenti_Allegati"
    docs.mkdir(parents=True, exist_ok=True)

    # A drawing of a trench: sky, ground and a grey pipe across the cut.
    def trench(x, y):
        if y < 60:
            return (150, 190, 230)
        if 90 < x < 230 and y > 70:
            return (90, 90, 95) if 120 < y < 136 else (120, 85, 55)
        return (150, 115, 75)

    (docs / "Foto_scavo_tubazione.png").write_bytes(png(320, 200, trench))
    (docs / "Libretto_gru_GT-01.txt").write_bytes(
        "Libretto della gru a torre Potain Igo T 85, matricola PT-85-20931\r\n\r\n"
        "Verifica periodica annuale: esito positivo.\r\n"
        "Controllo funi e freni: eseguito dal tecnico del fornitore.\r\n".encode("cp1252"))
    (docs / "Contratto_Rossi_Marco.txt").write_bytes(
        "Contratto individuale di lavoro a tempo determinato\r\n\r\n"
        "Lavoratore: Rossi Marco, muratore, 3° livello CCNL Edilizia Industria.\r\n".encode("cp1252"))


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    what, arg = sys.argv[1], sys.argv[2]
    if what in ("journal", "equipment", "workers"):
        records = {"journal": journal, "equipment": equipment, "workers": workers}[what](parse_day(arg))
        json.dump(records, sys.stdout, ensure_ascii=False, indent=1)
        sys.stdout.write("\n")
    elif what == "ini":
        write_ini(pathlib.Path(arg))
    elif what == "attachments":
        write_attachments(pathlib.Path(arg))
    elif what == "name":
        print(JOURNAL)
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
