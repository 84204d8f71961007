#include "journal/HelpText.h"

#include <QStringList>

namespace JournalHelp {

QString title() { return QStringLiteral("Gestione Cantilog."); }

QString text()
{
    static const QStringList paragraphs = {
        QStringLiteral("L'ambiente per la gestione dei Cantilog si compone di due applicazioni: la prima "
                       "consente di creare un nuovo Cantilog, mentre la seconda è progettata per compilare "
                       "un Cantilog esistente."),
        QStringLiteral("Per creare un nuovo Cantilog premere il pulsante Crea nuovo Cantilog e digitare il "
                       "nome da assegnare al nuovo archivio. Il programma crea nella propria cartella di "
                       "installazione un file con estensione CNT che potrà contenere un numero illimitato "
                       "di pagine. Si consiglia di assegnare a ogni Cantilog un nome descrittivo, ad esempio "
                       "il nome del cantiere o dell'opera, per ritrovarlo facilmente nell'elenco."),
        QStringLiteral("Confermare il nome con il pulsante Applica e chiudi. Per compilare il Cantilog appena "
                       "creato, o uno creato in precedenza, premere Compilazione Giornale nella schermata "
                       "iniziale e quindi Compila Cantilog esistente: selezionare il Cantilog dall'elenco e "
                       "premere il pulsante Apri archivio."),
        QStringLiteral("L'icona del cestino elimina definitivamente il Cantilog selezionato: il file eliminato "
                       "non potrà essere recuperato. Il pulsante Frontespizio consente di compilare e stampare "
                       "il frontespizio del registro con i dati del cantiere, dell'opera e dei soggetti "
                       "responsabili."),
        QStringLiteral("Per conservare una copia di sicurezza dei dati è sufficiente copiare l'intera cartella "
                       "del programma, compresa la cartella Documenti_Allegati, su un altro supporto."),
        QStringLiteral("All'apertura di un Cantilog viene visualizzata l'ultima pagina salvata. Ogni pagina "
                       "riporta la data, le condizioni meteorologiche, la natura dei terreni, il numero degli "
                       "operai impiegati, le annotazioni speciali e generali, gli operai e i mezzi d'opera, "
                       "le osservazioni e le istruzioni. Il pulsante Nuovo prepara una nuova pagina con la "
                       "data odierna e mantiene il numero del Cantilog, il Committente, l'Impresa, l'oggetto "
                       "dei lavori, il Direttore dei Lavori e il Responsabile del Procedimento; il pulsante "
                       "Duplica copia la pagina corrente in una nuova pagina da modificare. Premere Salva per "
                       "inserire la pagina in archivio."),
        QStringLiteral("Le due frecce verdi accanto al campo degli operai e dei mezzi d'opera importano i "
                       "lavoratori dall'anagrafica e le attrezzature dall'inventario. Il pulsante Allega file "
                       "consente di allegare fino a tre file a ogni pagina; il pulsante Trova ricerca le pagine "
                       "anche con chiavi parziali e più filtri contemporaneamente."),
        QStringLiteral("I pulsanti Anteprima e Stampa producono la pagina del Cantilog da firmare al termine "
                       "della giornata lavorativa; il pulsante Esporta salva la pagina corrente in un documento "
                       "RTF modificabile con un qualsiasi programma di videoscrittura."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace JournalHelp
