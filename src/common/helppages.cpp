#include "helppages.h"

#include <QCoreApplication>

namespace HelpPages {

Page page(int context)
{
    switch (context) {
    case 102:
        return {QCoreApplication::translate("HelpPages", "Ricerca programmi C.N."),
                QCoreApplication::translate("HelpPages",
                    "<h3>Ricerca programmi C.N.</h3>"
                    "<p>Scegliere il tipo di ricerca (cliente, disegno, descrizione) e scrivere "
                    "l'inizio del testo cercato; il carattere <b>*</b> vale qualsiasi sequenza di "
                    "caratteri. Una ricerca vuota elenca tutto l'archivio.</p>"
                    "<p>Con il numero progressivo e <b>Cerca/agg.</b> si trova un programma o se ne "
                    "crea uno nuovo con quel numero. <b>Libero</b> propone il primo numero non usato.</p>"
                    "<p><b>Crea</b>, <b>Clonare</b>, <b>Varia</b> ed <b>Elimina</b> gestiscono le schede; "
                    "<b>OK</b> registra la scheda. <b>Conferma</b> apre il programma scelto "
                    "nell'editor.</p>")};
    case 103:
        return {QCoreApplication::translate("HelpPages", "Stampa lista dei cicli"),
                QCoreApplication::translate("HelpPages",
                    "<h3>Stampa lista dei cicli</h3>"
                    "<p>Scrivere il cliente (o l'inizio del nome) da listare; vuoto stampa tutti i "
                    "clienti. Scegliere l'ordine di stampa e premere <b>Stampa</b>.</p>"
                    "<p>I programmi con cliente \".\" non vengono mai stampati.</p>")};
    case 105:
        return {QCoreApplication::translate("HelpPages", "Editor dei programmi"),
                QCoreApplication::translate("HelpPages",
                    "<h3>Editor dei programmi</h3>"
                    "<p>Ogni finestra contiene un programma dell'archivio. Il salvataggio chiede la "
                    "password di accesso, se impostata.</p>"
                    "<p>Dal menu si stampa il programma, si cerca e sostituisce il testo, si numera "
                    "con la sequenza automatica e si trasmette il programma al C.N.</p>")};
    case 106:
        return {QCoreApplication::translate("HelpPages", "Terminale di comunicazione"),
                QCoreApplication::translate("HelpPages",
                    "<h3>Terminale di comunicazione</h3>"
                    "<p>Trasmette il testo al C.N. scelto o riceve un programma dal C.N. Durante la "
                    "trasmissione <b>Termina</b> interrompe, <b>Continua</b> non attende il consenso "
                    "del C.N.</p>")};
    case 107:
        return {QCoreApplication::translate("HelpPages", "Impostazioni di comunicazione"),
                QCoreApplication::translate("HelpPages",
                    "<h3>Impostazioni di comunicazione</h3>"
                    "<p>Ogni macchina ha un nome, la porta seriale con velocità, parità, bit di dati "
                    "e di stop, il protocollo, il preambolo e il postambolo in cifre esadecimali e "
                    "il fine riga. Una macchina Ethernet ha indirizzo e porta.</p>")};
    default:
        return {QCoreApplication::translate("HelpPages", "Guida"),
                QCoreApplication::translate("HelpPages", "<p>Nessuna guida per l'argomento %1.</p>").arg(context)};
    }
}

} // namespace HelpPages
