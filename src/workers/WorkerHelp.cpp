#include "workers/WorkerHelp.h"

#include <QStringList>

namespace WorkerHelp {

namespace {

// Paragraphs stored in pieces are the pieces joined with nothing between them.
QString paragraphs(std::initializer_list<std::initializer_list<const char *>> list)
{
    QStringList out;
    for (const auto &pieces : list) {
        QString paragraph;
        for (const char *piece : pieces)
            paragraph += QString::fromUtf8(piece);
        out << paragraph;
    }
    return out.join(QStringLiteral("\r\n\r\n"));
}

} // namespace

QString editorText()
{
    static const QString text = paragraphs({
        {"L'applicazione Anagrafica Lavoratori mette a disposizione un ambiente di lavoro in cui registrare i dati "
         "degli operai e di tutto il personale che collabora con la propria impresa edile prendendo parte "
         "all'esecuzione dei lavori in cantiere. Questa app è dotata di funzioni avanzate quali l'invio di e-mail "
         "al lavoratore, il controllo della validità del codice fiscale, della partita IVA, del numero di carta di "
         "credito e del codice IBAN. I dati di ciascun lavoratore (mansione, cognome e nome) potranno essere "
         "importati in fase di redazione del Cantilog per compilare velocemente il campo di testo relativo agli "
         "operai impiegati."},
        {"In questo archivio anagrafico è possibile annotare la mansione del lavoratore, la categoria di "
         "appartenenza, il livello professionale, la qualifica principale e gli altri",
         " titoli posseduti, l'indirizzo di residenza, i giorni e gli orari di disponibilità, i recapiti telefonici "
         "di casa, ufficio, cellulare e fax, l'indirizzo e-mail, il recapito preferenziale dove il dipendente "
         "desidera",
         " essere contattato, il codice fiscale, il numero di partita IVA, gli estremi di un documento di "
         "riconoscimento, il numero di carta di credito con relativa data di scadenza, l'IBAN bancario, "
         "l'equipaggiamento",
         " assegnato nonché le modalità di pagamento. Il campo \"Note\" può essere sfruttato per memorizzare "
         "ulteriori informazioni di qualsiasi genere relative al lavoratore."},
        {"La scheda del dipendente consente, inoltre, di registrare i dati riguardanti il contratto firmato con "
         "l'impresa edile indicando la data di assunzione e quella della prossima",
         " scadenza del rapporto di collaborazione per poter avvisare il lavoratore per la firma del nuovo "
         "contratto. Si può tenere traccia del compenso totale pattuito e dell'ammontare della singola rata "
         "stipendiale, nonché",
         " specificare il tipo di frazionamento che è stato applicato e con quanti giorni di anticipo si desidera "
         "essere avvisati. Con un solo clic sull'icona del segnale con il punto esclamativo si potrà visualizzare",
         " e stampare l'elenco di tutti i contratti in scadenza o già scaduti."},
        {"La funzione Allega file consente di associare alla scheda di ciascun lavoratore tre file di qualsiasi "
         "genere che potrebbero contenere, ad esempio, il contratto di assunzione",
         " o la copia acquisita allo scanner del documento di identità."},
        {"Per inserire una nuova scheda anagrafica, è sufficiente fare clic sul pulsante Nuovo, compilare i campi "
         "di testo che interessano e premere Salva. Si tenga presente che alcuni",
         " campi sono a compilazione obbligatoria. Per aggiornare una scheda esistente, bisogna richiamarla nella "
         "finestra di lavoro, apportare le modifiche e premere Salva. Una scheda già registrata può essere "
         "richiamata",
         " utilizzando la funzione di ricerca o le frecce di scorrimento, le quali consentono di visualizzare il "
         "record precedente o quello successivo, oppure di posizionarsi in testa o in coda all'archivio."},
        {"Appositi pulsanti consentono di controllare la validità del codice fiscale del lavoratore, del numero "
         "di carta di credito, dell'IBAN bancario e del numero di partita IVA. Se",
         " il numero di partita IVA è esatto, il software indicherà quale Ufficio provinciale lo ha rilasciato. Il "
         "campo \"E-mail\" è affiancato da un pulsante che permette di lanciare l'applicazione presente sul "
         "proprio computer",
         " per la gestione della posta elettronica compilando in automatico la casella dell'indirizzo del "
         "destinatario."},
        {"Il pulsante Trova consente di effettuare ricerche avanzate in archivio funzionanti anche con chiave "
         "parziale, ossia indicando una o più parole consecutive contenute nei campi",
         " di testo. Per ogni ricerca è possibile utilizzare uno o più filtri contemporaneamente. Ciò consente, ad "
         "esempio, di ottenere l'elenco di tutti i lavoratori a cui sono state abbinate determinate note oppure",
         " dei dipendenti disponibili in certi giorni della settimana o a determinati orari. I risultati di "
         "ciascuna ricerca possono essere stampati."},
        {"L'intero archivio dei lavoratori è esportabile in Excel, mentre la singola scheda anagrafica può essere "
         "stampata su carta."},
    });
    return text;
}

QString exportText()
{
    static const QString text = paragraphs({
        {"Il pulsante Esporta archivio consente di esportare i dati anagrafici di tutti i lavoratori in un foglio "
         "di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file "
         "in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."},
        {"Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
         "Questa operazione crea in tempo reale un file in",
         " formato XLS contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
         "affermativamente al messaggio di domanda che appare."},
        {"A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi."},
    });
    return text;
}

} // namespace WorkerHelp
