#include "equipment/EquipmentHelp.h"

#include <QStringList>

namespace EquipmentHelp {

namespace {

// Paragraphs in order; a paragraph kept in several pieces is the pieces joined with nothing
// between them.
constexpr const char *kEditor[] = {
    "L'applicazione Inventario Attrezzature consente di archiviare le schede relative ai mezzi e all'attrezzatura "
    "tecnica di cui la propria impresa edile è equipaggiata, indicando il codice dell'attrezzatura, la tipologia, il "
    "suo valore in euro, la marca e il modello, una sua descrizione da importare all'interno dei Cantilog, il numero "
    "di matricola, il tipo di alimentazione, le sue dimensioni, gli estremi del documento di acquisto e la data di "
    "acquisto, la ditta fornitrice con relativo titolare e recapito preferenziale, le modalità di utilizzo "
    "dell'attrezzo, il numero di telefono per l'assistenza, il nome della persona di contatto, la data di scadenza "
    "della revisione, lo stato della garanzia, la situazione dei pagamenti e ogni altra annotazione.",

    "L'utente può allegare a ciascuna scheda file esterni di qualsiasi genere che potrebbero contenere, a titolo di "
    "esempio, la documentazione riferita all'attrezzatura"
    " oppure una sua foto.",

    "Il pulsante In scadenza visualizza l'elenco delle attrezzature la cui revisione sta per scadere. Per sfruttare "
    "tale funzione, l'utente deve indicare la data della"
    " prossima revisione e con quanti giorni di preavviso desidera essere informato. L'elenco che appare mostra il "
    "riepilogo delle revisioni in scadenza e di quelle scadute e non effettuate. Se si desidera"
    " visualizzare esclusivamente l'elenco delle revisioni scadute, bisogna servirsi del pulsante Scadute. La casella "
    "Revisione effettuata va spuntata se si vuole che la scheda dell'attrezzatura non compaia"
    " nei riepiloghi delle revisioni in scadenza o scadute. Tale funzione può essere utile se, ad esempio, una certa "
    "attrezzatura non ha più bisogno di essere revisionata oppure se la revisione è stata eseguita"
    " prima della data di scadenza e non si è ancora deciso quando si vorrà revisionare nuovamente la medesima "
    "attrezzatura.",

    "Il pulsante Valore totale serve a ottenere il valore complessivo delle attrezzature presenti nell'inventario "
    "dell'impresa edile. In questo modo si potrà sapere in"
    " ogni momento a quanto ammonta il capitale dell'equipaggiamento in nostro possesso e ciò può servire, ad "
    "esempio, a fini assicurativi.",

    "Per inserire una nuova scheda in archivio, è sufficiente fare clic sul pulsante Nuovo, immettere i dati nelle "
    "caselle di testo e premere Salva. Per modificare una"
    " scheda esistente, basta richiamarla nella schermata di lavoro, cambiare i dati e premere Salva.",

    "Il pulsante Duplica permette di creare una nuova scheda duplicandone una già presente in archivio. Tale "
    "funzione è particolarmente utile quando i dati da registrare"
    " sono simili a quelli di un'altra attrezzatura salvata in precedenza.",

    "Le icone delle frecce permettono di scorrere i vari record dal primo all'ultimo e viceversa oppure di "
    "posizionarsi in testa o in coda all'archivio.",

    "Il pulsante Trova consente di visualizzare una lista delle attrezzature presenti in archivio utilizzando diversi "
    "criteri di ricerca contemporaneamente e di richiamare"
    " i dati nella schermata di lavoro principale selezionando con un doppio clic la scheda di interesse. E' "
    "possibile, in questo modo, ottenere l'elenco di tutte le attrezzature appartenenti a una certa tipologia"
    " oppure di quelle acquistate da una stessa ditta fornitrice. I risultati di ricerca possono essere mandati in "
    "stampa.",

    "La scheda di ciascuna attrezzatura può essere stampata su carta mentre l'intero inventario delle attrezzature "
    "può essere esportato in un file di Microsoft Excel.",
};

constexpr const char *kExport[] = {
    "Il pulsante Esporta archivio consente di esportare l'inventario delle attrezzature in un foglio di lavoro di "
    "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in formato XLS (ad "
    "esempio, con Open Office, Libre Office o Microsoft Office).",

    "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. Questa "
    "operazione crea in tempo reale un file in"
    " formato XLS contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
    "affermativamente al messaggio di domanda che appare.",

    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.",
};

template <std::size_t N>
QString joined(const char *const (&paragraphs)[N])
{
    QStringList out;
    for (const char *p : paragraphs)
        out.append(QString::fromUtf8(p));
    return out.join(QStringLiteral("\r\n\r\n"));
}

} // namespace

QString editorText() { return joined(kEditor); }
QString exportText() { return joined(kExport); }

} // namespace EquipmentHelp
