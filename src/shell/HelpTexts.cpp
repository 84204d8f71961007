#include "shell/HelpTexts.h"

namespace HelpTexts {

QString join(std::initializer_list<const char *> paragraphs)
{
    QString text;
    for (const char *p : paragraphs) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n\r\n");
        text += QString::fromUtf8(p);
    }
    return text;
}

QString overview()
{
    return join({
        "Cantilog è un software facile e intuitivo progettato per le imprese edili che hanno bisogno di "
        "compilare giornalmente il Cantilog ai sensi dell'art. 14 del D.M. n. 49 del 2018 e dell'art. 66 "
        "del D.P.R. n. 380 del 2001 riguardante la conservazione e regolare tenuta dei documenti nei "
        "cantieri dal giorno di inizio delle opere a quello di ultimazione dei lavori. Con Cantilog si "
        "tiene il giornale dei lavori di ogni cantiere giorno per giorno, se ne stampa il frontespizio e "
        "si stampa ogni pagina, che viene firmata al termine della giornata lavorativa.",

        "Il software si compone di tre aree che collaborano tra loro: l'Anagrafica Lavoratori, "
        "l'Inventario Attrezzature e la Compilazione del Cantilog. I dati dell'anagrafica e "
        "dell'inventario possono essere importati nelle pagine del Cantilog con un semplice clic.",

        "Le annotazioni giornaliere devono riportare almeno: 1) l'ordine, il modo e l'attività con cui "
        "progrediscono le lavorazioni; 2) la qualifica e il numero degli operai impiegati; 3) "
        "l'attrezzatura tecnica impiegata; 4) l'elenco delle provviste fornite dall'esecutore; 5) le "
        "indicazioni sulle circostanze e gli avvenimenti relativi ai lavori che possano influire sui "
        "medesimi; 6) le disposizioni di servizio e gli ordini di servizio del direttore dei lavori; 7) "
        "le relazioni indirizzate al responsabile del procedimento; 8) i processi verbali di accertamento "
        "di fatti o di esperimento di prove; 9) le contestazioni, le sospensioni e le riprese dei lavori; "
        "10) le varianti ritualmente disposte e le modifiche od aggiunte ai prezzi.",

        "L'area Compilazione Giornale offre due applicazioni: la prima consente di creare un nuovo "
        "Cantilog, la seconda di compilare un Cantilog esistente.",

        "Per creare un nuovo Cantilog basta indicarne il nome: il programma crea nella cartella del "
        "programma un archivio con estensione CNT che può contenere un numero illimitato di pagine. Si "
        "consiglia di scegliere nomi descrittivi, ad esempio il nome del cantiere e l'anno di inizio "
        "dei lavori.",

        "Confermato il nome con il pulsante Applica e chiudi, si raggiunge l'elenco dei Cantilog "
        "attraverso i pulsanti Compilazione Giornale e Compila Cantilog esistente; selezionato un "
        "Cantilog, lo si apre con il pulsante Apri archivio.",

        "L'icona del cestino elimina definitivamente il Cantilog selezionato con tutte le sue pagine.",

        "Il pulsante Frontespizio prepara e stampa il frontespizio del registro, con il comune, la "
        "provincia, l'oggetto dei lavori, il committente, l'impresa, il direttore dei lavori e gli altri "
        "dati generali dell'appalto.",

        "Per una copia di sicurezza dei dati è sufficiente copiare l'intera cartella del programma, che "
        "contiene gli archivi, le impostazioni e la cartella dei documenti allegati.",

        "La schermata di compilazione registra per ogni pagina la data, le condizioni meteo, la natura "
        "dei terreni, il numero degli operai, le annotazioni speciali e generali, gli operai e i mezzi "
        "d'opera e le osservazioni e istruzioni. All'apertura viene mostrata l'ultima pagina salvata. "
        "Il pulsante Nuovo prepara una nuova pagina con la data odierna e conserva il numero del "
        "Cantilog, il committente, l'impresa, l'oggetto dei lavori, il direttore dei lavori e il "
        "responsabile del procedimento; Duplica copia la pagina corrente in una nuova pagina; Salva la "
        "inserisce in archivio. I due pulsanti con la freccia verde importano lavoratori e attrezzature "
        "nel campo degli operai e mezzi d'opera. Allega file collega fino a tre file a ogni pagina. "
        "Trova cerca le pagine con chiavi anche parziali e con più filtri insieme. Anteprima e Stampa "
        "producono la pagina da firmare a cura del direttore dei lavori e dell'impresa. La pagina può "
        "anche essere esportata in un documento RTF.",

        "L'Anagrafica Lavoratori raccoglie i dati personali, i recapiti, i dati bancari, il documento di "
        "identità, la mansione e le date del contratto con i giorni di preavviso; il riepilogo dei "
        "contratti in scadenza avvisa per tempo. A ogni lavoratore si possono allegare file. I campi "
        "obbligatori sono segnalati al salvataggio; le frecce scorrono l'archivio; i pulsanti di "
        "controllo verificano partita IVA, codice fiscale, carta di credito e IBAN; il pulsante e-mail "
        "scrive al lavoratore. L'archivio si può cercare, esportare in Microsoft Excel e stampare "
        "scheda per scheda.",

        "L'Inventario Attrezzature registra codice, tipologia, valore, marca e modello, descrizione, "
        "dati di acquisto, garanzia e la data della prossima revisione con i giorni di preavviso. Anche "
        "qui si possono allegare file. I riepiloghi In scadenza e Scadute elencano le revisioni da "
        "eseguire; la casella Revisione effettuata segna quelle compiute. Valore totale calcola il "
        "valore dell'inventario. Si possono inserire, duplicare e scorrere le schede, cercarle e "
        "richiamarle con un doppio clic, stampare la scheda ed esportare l'inventario in Microsoft "
        "Excel.",

        "Cantilog può essere usato in una rete locale: più copie del programma possono lavorare sugli "
        "stessi archivi condivisi nella cartella del programma.",

        "L'accesso al programma è protetto da una password, che l'utente può cambiare quando vuole con "
        "il pulsante Cambia password della schermata di accesso. La password per il primo accesso è "
        "CANTILOG.",

        "Il programma non richiede installazione e può essere usato anche da una chiavetta USB, "
        "portando con sé archivi e documenti.",

        "Buon lavoro con Cantilog!",
    });
}

} // namespace HelpTexts
