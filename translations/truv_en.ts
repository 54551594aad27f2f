<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>AccessImportText</name>
    <message>
        <source>%1: impossibile leggere il file Access (protetto da password, danneggiato o di una versione non gestita).</source>
        <translation>%1: cannot read the Access file (password protected, damaged or of a version not supported).</translation>
    </message>
    <message>
        <source>%1: il file Access è danneggiato: %2.</source>
        <translation>%1: the Access file is damaged: %2.</translation>
    </message>
    <message>
        <source>%1 byte non sono un numero intero di pagine da %2 byte</source>
        <translation>%1 bytes are not a whole number of %2-byte pages</translation>
    </message>
    <message>
        <source>la pagina %1 è oltre la fine del file (%2 pagine)</source>
        <translation>page %1 is past the end of the file (%2 pages)</translation>
    </message>
    <message>
        <source>la pagina %1 non è %2</source>
        <translation>page %1 is not %2</translation>
    </message>
    <message>
        <source>una definizione di tabella</source>
        <translation>a table definition</translation>
    </message>
    <message>
        <source>una pagina di dati</source>
        <translation>a data page</translation>
    </message>
    <message>
        <source>una mappa di pagine</source>
        <translation>a page map</translation>
    </message>
    <message>
        <source>la definizione della tabella %1 è incompleta</source>
        <translation>the definition of table %1 is incomplete</translation>
    </message>
    <message>
        <source>il campo %2 della tabella %1 è di un tipo sconosciuto (%3)</source>
        <translation>field %2 of table %1 is of an unknown type (%3)</translation>
    </message>
    <message>
        <source>la mappa delle pagine della tabella %1 non è leggibile</source>
        <translation>the page map of table %1 cannot be read</translation>
    </message>
    <message>
        <source>la tabella %1 rimanda alla pagina %2, oltre la fine del file (%3 pagine)</source>
        <translation>table %1 points to page %2, past the end of the file (%3 pages)</translation>
    </message>
    <message>
        <source>la pagina %1 dichiara %2 righe, più di quante ne possa contenere</source>
        <translation>page %1 declares %2 rows, more than it can hold</translation>
    </message>
    <message>
        <source>la riga %1 della pagina %2 esce dalla pagina</source>
        <translation>row %1 of page %2 runs past the page</translation>
    </message>
    <message>
        <source>la tabella %1 dichiara %2 righe, le sue pagine ne contengono al più %3</source>
        <translation>table %1 declares %2 rows, its pages hold at most %3</translation>
    </message>
    <message>
        <source>l&apos;elenco delle tabelle non si legge</source>
        <translation>the list of tables cannot be read</translation>
    </message>
    <message>
        <source>la tabella %1 non si legge</source>
        <translation>table %1 cannot be read</translation>
    </message>
    <message>
        <source>tabella %1, campo %2: un valore esce dalla sua pagina</source>
        <translation>table %1, field %2: a value runs past its page</translation>
    </message>
    <message>
        <source>tabella %1, campo %2: un valore lungo non si ricompone dalle pagine a cui rimanda</source>
        <translation>table %1, field %2: a long value cannot be put together from the pages it points to</translation>
    </message>
    <message>
        <source>Tabella %1: impossibile leggerla dal file Access.</source>
        <translation>Table %1: cannot read it from the Access file.</translation>
    </message>
    <message>
        <source>Tabella %1, campo %2: un valore è troppo lungo per essere letto per intero.</source>
        <translation>Table %1, field %2: a value is too long to be read whole.</translation>
    </message>
    <message>
        <source>Tabella %1, campo %2: valore non leggibile &quot;%3&quot;.</source>
        <translation>Table %1, field %2: unreadable value &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Tabella %1: il file Access dichiara %2 righe, ne sono state lette %3: il file è danneggiato.</source>
        <translation>Table %1: the Access file declares %2 rows, %3 were read: the file is damaged.</translation>
    </message>
    <message>
        <source>Tabella %1, riga %2: non scritta: %3</source>
        <translation>Table %1, row %2: not written: %3</translation>
    </message>
    <message>
        <source>Tabella %1: non creata: %2</source>
        <translation>Table %1: not created: %2</translation>
    </message>
    <message>
        <source>Attenzione: %1 non contiene la tabella %2; la nuova %1 ha la tabella %2 vuota.</source>
        <translation>Warning: %1 does not contain table %2; the new %1 has table %2 empty.</translation>
    </message>
    <message>
        <source>Attenzione: %1 non c&apos;è; il nuovo catalogo immagini è vuoto.</source>
        <translation>Warning: %1 is missing; the new picture catalog is empty.</translation>
    </message>
    <message>
        <source>Attenzione: %1 non è un file Access: copiato così com&apos;è.</source>
        <translation>Warning: %1 is not an Access file: copied as it is.</translation>
    </message>
    <message>
        <source>Attenzione: %1 non è un file Access: lasciato com&apos;è.</source>
        <translation>Warning: %1 is not an Access file: left as it is.</translation>
    </message>
    <message>
        <source>%1, tabella %2: righe lette %3, scritte %4</source>
        <translation>%1, table %2: rows read %3, written %4</translation>
    </message>
    <message>
        <source>%1: manca truv.mdb.</source>
        <translation>%1: truv.mdb is missing.</translation>
    </message>
    <message>
        <source>%1 non è un file Access.</source>
        <translation>%1 is not an Access file.</translation>
    </message>
    <message>
        <source>%1 esiste già: l&apos;importazione non sovrascrive nulla.</source>
        <translation>%1 already exists: the import overwrites nothing.</translation>
    </message>
    <message>
        <source>%1 non è una cartella: l&apos;importazione non la può copiare.</source>
        <translation>%1 is not a folder: the import cannot copy it.</translation>
    </message>
    <message>
        <source>%1 non è un file: l&apos;importazione non lo può copiare.</source>
        <translation>%1 is not a file: the import cannot copy it.</translation>
    </message>
    <message>
        <source>Importazione interrotta: la cartella di destinazione è rimasta com&apos;era.</source>
        <translation>Import interrupted: the target folder is as it was.</translation>
    </message>
    <message>
        <source>Attenzione: impossibile rimuovere %1, lasciato da un&apos;importazione interrotta.</source>
        <translation>Warning: cannot remove %1, left by an interrupted import.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella %1</source>
        <translation>Cannot create folder %1</translation>
    </message>
    <message>
        <source>Impossibile copiare %1 in %2: %3</source>
        <translation>Cannot copy %1 to %2: %3</translation>
    </message>
    <message>
        <source>Impossibile rinominare %1 in %2: %3</source>
        <translation>Cannot rename %1 to %2: %3</translation>
    </message>
</context>
<context>
    <name>AccessPassword</name>
    <message>
        <source>Parola chiave</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Inserimento Password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Password errata!</source>
        <translation>Wrong password!</translation>
    </message>
    <message>
        <source>Errore !</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>ArchiveText</name>
    <message>
        <source>Ricerca programmi C.N.</source>
        <translation>CNC program search</translation>
    </message>
    <message>
        <source>Scelta Cliente</source>
        <translation>Choose customer</translation>
    </message>
    <message>
        <source>Ricerca per cliente</source>
        <translation>Search by customer</translation>
    </message>
    <message>
        <source>Scelta tipo di ricerca</source>
        <translation>Search type</translation>
    </message>
    <message>
        <source>Ricerca per n. disegno</source>
        <translation>Search by drawing no.</translation>
    </message>
    <message>
        <source>Ricerca per descrizione</source>
        <translation>Search by description</translation>
    </message>
    <message>
        <source>Ricerca disegno/Descrizione</source>
        <translation>Drawing/description search</translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation>Search</translation>
    </message>
    <message>
        <source> Dati del programma selezionato :</source>
        <translation> Selected program data :</translation>
    </message>
    <message>
        <source>Cliente</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Disegni</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Descriz.</source>
        <translation>Descr.</translation>
    </message>
    <message>
        <source>Utensile</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Data mod.</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Crea</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Clonare</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Varia</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progressivo</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Cerca/agg.</source>
        <translation>Find/add</translation>
    </message>
    <message>
        <source>Libero</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Clona</source>
        <translation>Clone as</translation>
    </message>
    <message>
        <source>Conferma della scelta.</source>
        <translation>Confirm the choice.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Annulla e ritorna</source>
        <translation>Cancel and return</translation>
    </message>
    <message>
        <source>Gestione DNC</source>
        <translation>DNC programs</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Per limitare la ricerca inserire almeno un carattere. </source>
        <translation>To narrow the search, enter at least one character. </translation>
    </message>
    <message>
        <source>Continuo?</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>L&apos;archivio è in riorganizzazione da un altro programma: riprovare più tardi.</source>
        <translation>Another program is reorganizing the archive: try again later.</translation>
    </message>
    <message>
        <source>Non selezionato nessun programma</source>
        <translation>No program selected</translation>
    </message>
    <message>
        <source>Selezione del ciclo</source>
        <translation>Program selection</translation>
    </message>
    <message>
        <source>Progressivo:%1 non trovato...
Aggiungo?</source>
        <translation>Number %1 not found...
Add it?</translation>
    </message>
    <message>
        <source>Risultato ricerca</source>
        <translation>Search result</translation>
    </message>
    <message>
        <source>Nessun programma selezionato</source>
        <translation>No program in the archive to clone</translation>
    </message>
    <message>
        <source>Non selezionato</source>
        <translation>Not selected</translation>
    </message>
    <message>
        <source>Progressivo esistente</source>
        <translation>Number already exists</translation>
    </message>
    <message>
        <source>Completare i dati...</source>
        <translation>Fill in the data...</translation>
    </message>
    <message>
        <source>Desiderate eliminare il ciclo?</source>
        <translation>Delete the program?</translation>
    </message>
    <message>
        <source>Scelta del cliente</source>
        <translation>Choose customer</translation>
    </message>
    <message>
        <source>Scegli</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Cliente non introdotto</source>
        <translation>No customer entered</translation>
    </message>
    <message>
        <source>Stampa lista dei cicli</source>
        <translation>Print program list</translation>
    </message>
    <message>
        <source>Cliente da listare</source>
        <translation>Customer to list</translation>
    </message>
    <message>
        <source>Ordine di stampa</source>
        <translation>Print order</translation>
    </message>
    <message>
        <source>Cliente+disegno</source>
        <translation>Customer+drawing</translation>
    </message>
    <message>
        <source>Cliente+descrizione</source>
        <translation>Customer+description</translation>
    </message>
    <message>
        <source>Disegno+cliente</source>
        <translation>Drawing+customer</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Non stampato nulla</source>
        <translation>Nothing printed</translation>
    </message>
    <message>
        <source>Stampa non riuscita</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>Lista cicli           </source>
        <translation>Program list          </translation>
    </message>
    <message>
        <source>Gestione file archiviati da DNC</source>
        <translation>Programs received by DNC</translation>
    </message>
    <message>
        <source>Esamina</source>
        <translation>Examine</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Termina</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancello il ciclo</source>
        <translation>Delete the program?</translation>
    </message>
    <message>
        <source>Cancellazione richiesta</source>
        <translation>Deletion requested</translation>
    </message>
    <message>
        <source>Impossibile leggere %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>Impossibile rinominare %1 in %2: %3</source>
        <translation>Cannot rename %1 to %2: %3</translation>
    </message>
    <message>
        <source>Impossibile copiare %1 in %2: %3</source>
        <translation>Cannot copy %1 to %2: %3</translation>
    </message>
    <message>
        <source>Impossibile cancellare %1: %2</source>
        <translation>Cannot delete %1: %2</translation>
    </message>
    <message>
        <source>%1: dopo OUT il nome non ha le sette cifre di un numero d&apos;archivio. Il file non è stato rinominato.</source>
        <translation>%1: after OUT the name does not have the seven digits of an archive number. The file was not renamed.</translation>
    </message>
    <message>
        <source>%1 esiste già</source>
        <translation>%1 already exists</translation>
    </message>
    <message>
        <source>&apos;indice&apos; non è un indice della tabella &apos;cicli&apos;.</source>
        <translation>&apos;indice&apos; is not an index of table &apos;cicli&apos;.</translation>
    </message>
    <message>
        <source>Impossibile aggiungere il campo MACCHINA all&apos;archivio: %1</source>
        <translation>Cannot add the MACCHINA field to the archive: %1</translation>
    </message>
    <message>
        <source>Programma %1 non trovato</source>
        <translation>Program %1 not found</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella %1</source>
        <translation>Cannot create folder %1</translation>
    </message>
    <message>
        <source>Termine riorganizzazione-il programma termina</source>
        <translation>Reorganization done - the program will exit</translation>
    </message>
    <message>
        <source>Archivio sul server: manutenzione del server eseguita (VACUUM ANALYZE), nessuna riorganizzazione necessaria-il programma termina</source>
        <translation>Archive on the server: server maintenance done (VACUUM ANALYZE), no reorganization needed - the program will exit</translation>
    </message>
    <message>
        <source>Contattare assistenza: #%1</source>
        <translation>Contact support: #%1</translation>
    </message>
</context>
<context>
    <name>CncResults</name>
    <message>
        <source>Errore nel protocollo</source>
        <translation>Protocol error</translation>
    </message>
    <message>
        <source>Manca la connessione</source>
        <translation>No connection</translation>
    </message>
    <message>
        <source>Controllare le DLL</source>
        <translation>Check the library files (DLL)</translation>
    </message>
    <message>
        <source>Errore BUS HSSB</source>
        <translation>HSSB bus error</translation>
    </message>
    <message>
        <source>Errore di Sistema BUS HSSB</source>
        <translation>HSSB bus system error</translation>
    </message>
    <message>
        <source>Errore di comunicazione BUS HSSB</source>
        <translation>HSSB bus communication error</translation>
    </message>
    <message>
        <source>Errore di handle</source>
        <translation>Handle error</translation>
    </message>
    <message>
        <source>Errore di versione tra librerie</source>
        <translation>Library version mismatch</translation>
    </message>
    <message>
        <source>Stato di libreria anormale</source>
        <translation>Abnormal library state</translation>
    </message>
    <message>
        <source>Errore di sistema BUS HSSB</source>
        <translation>HSSB bus system error</translation>
    </message>
    <message>
        <source>Errore di memoria condivisa nel BUS HSSB</source>
        <translation>HSSB bus shared memory error</translation>
    </message>
    <message>
        <source>Manca il driver HSSB</source>
        <translation>HSSB driver missing</translation>
    </message>
    <message>
        <source>Richiesto STOP o RESET</source>
        <translation>STOP or RESET requested</translation>
    </message>
    <message>
        <source>Controllo impegnato, attendere</source>
        <translation>Control busy, please wait</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Funzione non disponibile</source>
        <translation>Function not available</translation>
    </message>
    <message>
        <source>Formato dati non corretto</source>
        <translation>Wrong data format</translation>
    </message>
    <message>
        <source>Numero dati non corretto</source>
        <translation>Wrong data number</translation>
    </message>
    <message>
        <source>Attributi non corretti</source>
        <translation>Wrong attributes</translation>
    </message>
    <message>
        <source>Errore nella scrittura/lettura dati</source>
        <translation>Data read/write error</translation>
    </message>
    <message>
        <source>Nessuna funzione corrispondente</source>
        <translation>No matching function</translation>
    </message>
    <message>
        <source>Protezione di scrittura attivata</source>
        <translation>Write protection on</translation>
    </message>
    <message>
        <source>Memoria sul CNC terminata</source>
        <translation>CNC memory full</translation>
    </message>
    <message>
        <source>Parametro CNC errato</source>
        <translation>Wrong CNC parameter</translation>
    </message>
    <message>
        <source>Buffer pieno/vuoto, ritentare</source>
        <translation>Buffer full/empty, try again</translation>
    </message>
    <message>
        <source>Numero Path non corretto</source>
        <translation>Wrong path number</translation>
    </message>
    <message>
        <source>Stato del CNC non corretto, correggere e riprovare</source>
        <translation>Wrong CNC state, correct it and try again</translation>
    </message>
    <message>
        <source>Esecuzione non accettata</source>
        <translation>Execution refused</translation>
    </message>
    <message>
        <source>Errore nel data server</source>
        <translation>Data server error</translation>
    </message>
    <message>
        <source>Comando non eseguito perchè il CN è in allarme</source>
        <translation>Command not executed: the CNC is in alarm</translation>
    </message>
    <message>
        <source>Il CN é in STOP o in Emergenza</source>
        <translation>The CNC is in STOP or emergency stop</translation>
    </message>
    <message>
        <source>Dati protetti dalla funzione di protezione CNC</source>
        <translation>Data protected by the CNC&apos;s protection function</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source>uso: truvnet   (archivio, editor e trasmissioni nelle finestre)
     truvnet machines
     truvnet send MACCHINA FILE [--no-consent]
     truvnet send MACCHINA --program N [--no-consent]
     truvnet send MACCHINA FILE|--program N --as O1234 [--continue] [--verify]   (macchina Ethernet)
     truvnet receive MACCHINA FILE [--idle SECONDI]
     truvnet receive MACCHINA FILE --from O1234   (macchina Ethernet)
     truvnet listen [MACCHINA...] [--idle SECONDI] [--poll SECONDI]   (programmi dalle macchine seriali
                    in dati; richieste dalle macchine: dnc/request; senza nomi: dnc/machines)
     truvnet dir MACCHINA
     truvnet backup MACCHINA CARTELLA   (ogni programma del C.N. Ethernet in CARTELLA come O1234.nc)
     truvnet lines
     truvnet programs [--customer X | --drawing X | --description X | --number N]
     truvnet revisions N   (revisioni del programma N, la più recente per prima)
     truvnet diff N [REV [REV]]   (differenze come diff -u; con una revisione: col testo attuale)
     truvnet restore N REV   (la revisione diventa il testo attuale; riporta anche un programma eliminato)
     truvnet text N   (il testo attuale sull&apos;uscita)
     truvnet store N FILE   (FILE, o - per l&apos;ingresso, diventa il testo del programma N)
     truvnet log [--machine M] [--program N] [--since AAAA-MM-GG] [--until AAAA-MM-GG] [--failed] [--csv]
        (registro trasferimenti, il più recente per primo)
     truvnet copy-archive postgresql://UTENTE@HOST:PORTA/DATABASE   (archivio condiviso sul server)
     truvnet --init [CARTELLA]
     truvnet import-access ORIGINE [CARTELLA]   (archivio Access del vecchio programma)
     truvnet --version
     truvnet --help
     truvnet --lang it|en ...   (lingua dei testi; altrimenti l&apos;impostazione ui/language, poi LANG)
</source>
        <translation>usage: truvnet   (archive, editor and transfers in windows)
       truvnet machines
       truvnet send MACHINE FILE [--no-consent]
       truvnet send MACHINE --program N [--no-consent]
       truvnet send MACHINE FILE|--program N --as O1234 [--continue] [--verify]   (Ethernet machine)
       truvnet receive MACHINE FILE [--idle SECONDS]
       truvnet receive MACHINE FILE --from O1234   (Ethernet machine)
       truvnet listen [MACHINE...] [--idle SECONDS] [--poll SECONDS]   (programs from the serial machines
                      into dati; requests from the machines: dnc/request; without names: dnc/machines)
       truvnet dir MACHINE
       truvnet backup MACHINE FOLDER   (every program in the Ethernet CNC into FOLDER as O1234.nc)
       truvnet lines
       truvnet programs [--customer X | --drawing X | --description X | --number N]
       truvnet revisions N   (revisions of program N, newest first)
       truvnet diff N [REV [REV]]   (differences as diff -u; with one revision: against the current text)
       truvnet restore N REV   (the revision becomes the current text; also brings back a deleted program)
       truvnet text N   (the current text to standard output)
       truvnet store N FILE   (FILE, or - for standard input, becomes the text of program N)
       truvnet log [--machine M] [--program N] [--since YYYY-MM-DD] [--until YYYY-MM-DD] [--failed] [--csv]
          (transfer log, newest first)
       truvnet copy-archive postgresql://USER@HOST:PORT/DATABASE   (shared archive on the server)
       truvnet --init [FOLDER]
       truvnet import-access SOURCE [FOLDER]   (Access archive of the old program)
       truvnet --version
       truvnet --help
       truvnet --lang it|en ...   (language of the texts; otherwise the setting ui/language, then LANG)
</translation>
    </message>
    <message>
        <source>Lingua non disponibile: %1 (it, en)
</source>
        <translation>Language not available: %1 (it, en)
</translation>
    </message>
    <message>
        <source>Macchina sconosciuta: %1</source>
        <translation>Unknown machine: %1</translation>
    </message>
    <message>
        <source>Macchine in %1: %2</source>
        <translation>Machines in %1: %2</translation>
    </message>
    <message>
        <source>Nessuna macchina in %1.</source>
        <translation>No machines in %1.</translation>
    </message>
    <message>
        <source>%1 è una macchina Ethernet: indicare con --as il numero sotto cui scrivere il programma nel C.N.</source>
        <translation>%1 is an Ethernet machine: give with --as the number to write the program under in the CNC.</translation>
    </message>
    <message>
        <source>%1 è una macchina Ethernet: indicare con --from il numero del programma da leggere dal C.N.</source>
        <translation>%1 is an Ethernet machine: give with --from the number of the program to read from the CNC.</translation>
    </message>
    <message>
        <source>--as scrive un programma nel C.N. di una macchina Ethernet; %1 è una macchina seriale.</source>
        <translation>--as writes a program into the CNC of an Ethernet machine; %1 is a serial machine.</translation>
    </message>
    <message>
        <source>Programma non inviato: --continue per inviarlo comunque.</source>
        <translation>Program not sent: --continue to send it anyway.</translation>
    </message>
    <message>
        <source>Programma non inviato: il C.N. non può tenere questi numeri.</source>
        <translation>Program not sent: the CNC cannot hold these numbers.</translation>
    </message>
    <message>
        <source>Interrotto dall&apos;utente.</source>
        <translation>Interrupted by the user.</translation>
    </message>
    <message>
        <source>%1 non è una macchina Ethernet: il suo C.N. non ha un elenco programmi da leggere.</source>
        <translation>%1 is not an Ethernet machine: its CNC has no program list to read.</translation>
    </message>
    <message>
        <source>--from legge un programma dal C.N. di una macchina Ethernet; %1 è una macchina seriale.</source>
        <translation>--from reads a program from the CNC of an Ethernet machine; %1 is a serial machine.</translation>
    </message>
    <message>
        <source>Libreria del C.N. non caricata: %1</source>
        <translation>CNC library not loaded: %1</translation>
    </message>
    <message>
        <source>Nessun dato ricevuto: %1 non è stato modificato.</source>
        <translation>No data received: %1 was not changed.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Program %1 is not in the archive.</translation>
    </message>
    <message>
        <source>%1 di %2 caratteri, %3 caratteri/s, %4 alla fine</source>
        <translation>%1 of %2 characters, %3 characters/s, %4 to go</translation>
    </message>
    <message>
        <source>Avviso al dispositivo di rete %1</source>
        <translation>Notifying network device %1</translation>
    </message>
    <message>
        <source>Archivio importato in %1</source>
        <translation>Archive imported into %1</translation>
    </message>
    <message>
        <source>Nessuna macchina da ascoltare: indicarle sulla riga di comando o in dnc/machines.</source>
        <translation>No machines to listen to: name them on the command line or in dnc/machines.</translation>
    </message>
    <message>
        <source>In ascolto: %1 su COM%2</source>
        <translation>Listening: %1 on COM%2</translation>
    </message>
    <message>
        <source>In ascolto: %1, richieste in %2 ogni %3 secondi</source>
        <translation>Listening: %1, requests in %2 every %3 seconds</translation>
    </message>
    <message>
        <source>%1: programma ricevuto non salvato (%2 caratteri)</source>
        <translation>%1: received program not saved (%2 characters)</translation>
    </message>
    <message>
        <source>%1	%2	scritto</source>
        <translation>%1	%2	written</translation>
    </message>
    <message>
        <source>%1	%2	invariato</source>
        <translation>%1	%2	unchanged</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella %1</source>
        <translation>Cannot create folder %1</translation>
    </message>
    <message>
        <source>Programmi non salvati: %1</source>
        <translation>Programs not saved: %1</translation>
    </message>
    <message>
        <source>Il programma %1 ha meno di due revisioni da confrontare.</source>
        <translation>Program %1 has fewer than two revisions to compare.</translation>
    </message>
    <message>
        <source>Revisione %1 del programma %2 ripristinata.</source>
        <translation>Revision %1 of program %2 restored.</translation>
    </message>
    <message>
        <source>Testo del programma %1 salvato (revisione %2 conserva il precedente).</source>
        <translation>Text of program %1 saved (revision %2 keeps the previous one).</translation>
    </message>
    <message>
        <source>Testo del programma %1 salvato.</source>
        <translation>Text of program %1 saved.</translation>
    </message>
    <message>
        <source>%1 non leggibile: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1	revisione %2 (%3)</source>
        <translation>%1	revision %2 (%3)</translation>
    </message>
    <message>
        <source>%1	attuale</source>
        <translation>%1	current</translation>
    </message>
    <message>
        <source>Il database di destinazione non è vuoto: %1 ha %2 righe. Nulla è stato copiato.</source>
        <translation>The target database is not empty: %1 has %2 rows. Nothing was copied.</translation>
    </message>
    <message>
        <source>Nulla è stato copiato.</source>
        <translation>Nothing was copied.</translation>
    </message>
    <message>
        <source>%1: %2 righe nel file, %3 sul server</source>
        <translation>%1: %2 rows in the file, %3 on the server</translation>
    </message>
    <message>
        <source>%1: il numero di righe differisce</source>
        <translation>%1: the number of rows differs</translation>
    </message>
    <message>
        <source>Archivio copiato in %1. Per usarlo su ogni PC: archive/url = %1 nelle impostazioni.</source>
        <translation>Archive copied to %1. To use it on every PC: archive/url = %1 in the settings.</translation>
    </message>
    <message>
        <source>creato %1</source>
        <translation>created %1</translation>
    </message>
    <message>
        <source>già presente, non modificato %1</source>
        <translation>already there, not changed %1</translation>
    </message>
    <message>
        <source>seriale</source>
        <translation>serial</translation>
    </message>
</context>
<context>
    <name>DncText</name>
    <message>
        <source>Dati ricevuti salvati in %1</source>
        <translation>Received data saved in %1</translation>
    </message>
    <message>
        <source>Dati ricevuti non salvati: nessuna cartella li accetta.</source>
        <translation>Received data not saved: no folder accepts it.</translation>
    </message>
    <message>
        <source>impossibile creare la cartella</source>
        <translation>cannot create the folder</translation>
    </message>
    <message>
        <source>%1: linea chiusa, nuovo tentativo tra %2 secondi</source>
        <translation>%1: line closed, trying again in %2 seconds</translation>
    </message>
    <message>
        <source>%1: linea di nuovo aperta</source>
        <translation>%1: line open again</translation>
    </message>
    <message>
        <source>%1 è ancora in dati: salvato come nuovo programma</source>
        <translation>%1 is still in dati: saved as a new program</translation>
    </message>
    <message>
        <source>dnc/request non valido: %1 (serve un&apos;espressione regolare con un gruppo per il numero)</source>
        <translation>dnc/request not valid: %1 (a regular expression with one group for the number is needed)</translation>
    </message>
    <message>
        <source>dnc/%1 non valido: %2</source>
        <translation>dnc/%1 not valid: %2</translation>
    </message>
    <message>
        <source>Richiesta del programma %1: non è in archivio</source>
        <translation>Request for program %1: not in the archive</translation>
    </message>
    <message>
        <source>Richiesta del programma %1: archivio non leggibile: %2</source>
        <translation>Request for program %1: cannot read the archive: %2</translation>
    </message>
    <message>
        <source>Richiesta del programma %1: testo %2 non leggibile: %3</source>
        <translation>Request for program %1: cannot read text %2: %3</translation>
    </message>
    <message>
        <source>Richiesta del programma %1: il testo %2 è vuoto</source>
        <translation>Request for program %1: text %2 is empty</translation>
    </message>
    <message>
        <source>Richiesta del programma %1: la linea sta già inviando un programma</source>
        <translation>Request for program %1: the line is already sending a program</translation>
    </message>
    <message>
        <source>%1: richiesta O%2, invio tra %3 secondi</source>
        <translation>%1: request O%2, sending in %3 seconds</translation>
    </message>
    <message>
        <source>%1: nessun consenso dal C.N. in %2 secondi, invio annullato</source>
        <translation>%1: no go-ahead from the CNC in %2 seconds, send canceled</translation>
    </message>
    <message>
        <source>Il programma non può essere scritto nel C.N.</source>
        <translation>The program cannot be written to the CNC</translation>
    </message>
    <message>
        <source>%1: il C.N. non risponde (%2), nuovo tentativo ogni %3 secondi</source>
        <translation>%1: the CNC does not answer (%2), trying again every %3 seconds</translation>
    </message>
    <message>
        <source>%1: il C.N. risponde di nuovo</source>
        <translation>%1: the CNC answers again</translation>
    </message>
    <message>
        <source>%1: richiesta %2 non letta dal C.N.: %3</source>
        <translation>%1: request %2 not read from the CNC: %3</translation>
    </message>
    <message>
        <source>%1: richiesta %2 non cancellata dal C.N.: %3</source>
        <translation>%1: request %2 not deleted from the CNC: %3</translation>
    </message>
    <message>
        <source>dnc/requestProgram non valido: %1</source>
        <translation>dnc/requestProgram not valid: %1</translation>
    </message>
    <message>
        <source>richiesta O%1 → %2, %3 caratteri</source>
        <translation>request O%1 → %2, %3 characters</translation>
    </message>
    <message>
        <source>richiesta O%1 → %2: invio non riuscito dopo %3 caratteri</source>
        <translation>request O%1 → %2: send failed after %3 characters</translation>
    </message>
    <message>
        <source>Stato - %1</source>
        <translation>Status - %1</translation>
    </message>
</context>
<context>
    <name>EditorText</name>
    <message>
        <source>Trova</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Cerca:</source>
        <translation>Fi&amp;nd:</translation>
    </message>
    <message>
        <source>&amp;Sostituisci:</source>
        <translation>&amp;Replace:</translation>
    </message>
    <message>
        <source>Direzione</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>&amp;Su</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>&amp;Giù</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>&amp;Maiuscole/minuscole</source>
        <translation>&amp;Match case</translation>
    </message>
    <message>
        <source>&amp;Trova</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Non trovato: </source>
        <translation>Not found: </translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>Esportazione non riuscita: </source>
        <translation>Export failed: </translation>
    </message>
    <message>
        <source>Errore fase 1</source>
        <translation>Phase 1 error</translation>
    </message>
    <message>
        <source>Errore fase P</source>
        <translation>Phase P error</translation>
    </message>
    <message>
        <source>Impossibile avviare picvault:
%1</source>
        <translation>Cannot start picvault:
%1</translation>
    </message>
    <message>
        <source>Progressivo: </source>
        <translation>Number     : </translation>
    </message>
    <message>
        <source>Cliente    : </source>
        <translation>Customer   : </translation>
    </message>
    <message>
        <source>Disegno    : </source>
        <translation>Drawing    : </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>Memo       : </source>
        <translation>Notes      : </translation>
    </message>
    <message>
        <source>Testo del ciclo:</source>
        <translation>Program text:</translation>
    </message>
    <message>
        <source>Stampa non riuscita</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>Altezza carattere</source>
        <translation>Font height</translation>
    </message>
    <message>
        <source>Valori non compresi tra 8 e 30</source>
        <translation>Values not between 8 and 30</translation>
    </message>
    <message>
        <source>Altezza carattere stampante in mm.</source>
        <translation>Printer font height in mm.</translation>
    </message>
    <message>
        <source>Scelta dimensioni carattere stampante</source>
        <translation>Printer font size</translation>
    </message>
    <message>
        <source>Altezza &gt;2 e &lt; 16!</source>
        <translation>Height &gt;2 and &lt; 16!</translation>
    </message>
</context>
<context>
    <name>EditorWorkspace</name>
    <message>
        <source>Il testo in [%1] è stato modificato.
<byte value="xd"/>Salvare le modifiche?</source>
        <translation>The text in [%1] has been changed.
Save the changes?</translation>
    </message>
</context>
<context>
    <name>EthernetText</name>
    <message>
        <source>Parametro IP/port non valido</source>
        <translation>IP/port setting not valid</translation>
    </message>
    <message>
        <source>Porta TCP non valida (da 1 a 65535): &quot;%1&quot;</source>
        <translation>TCP port not valid (1 to 65535): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Gestione  Ethernet</source>
        <translation>Ethernet  Transfer</translation>
    </message>
    <message>
        <source>Stato connessione</source>
        <translation>Connection status</translation>
    </message>
    <message>
        <source>Progr.Attivo su C.N.</source>
        <translation>Active program on CNC</translation>
    </message>
    <message>
        <source>Operazioni sulla memoria del C.N.</source>
        <translation>CNC memory operations</translation>
    </message>
    <message>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>E&amp;limina</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Rinomina</source>
        <translation>Re&amp;name</translation>
    </message>
    <message>
        <source>Destinazione</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Sorgente</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Nuovo Nome</source>
        <translation>New Name</translation>
    </message>
    <message>
        <source>(per rinomina)</source>
        <translation>(for rename)</translation>
    </message>
    <message>
        <source>Invia</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Ricevi</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Attesa di connessione...</source>
        <translation>Waiting for connection...</translation>
    </message>
    <message>
        <source>Connesso!</source>
        <translation>Connected!</translation>
    </message>
    <message>
        <source>C.N. : </source>
        <translation>CNC : </translation>
    </message>
    <message>
        <source>Nessun programma selezionato</source>
        <translation>No program selected</translation>
    </message>
    <message>
        <source>Numero programma non valido</source>
        <translation>Program number not valid</translation>
    </message>
    <message>
        <source>Programma non esiste nel CN</source>
        <translation>Program does not exist in the CNC</translation>
    </message>
    <message>
        <source>Programma Attivo</source>
        <translation>Active Program</translation>
    </message>
    <message>
        <source>Il programma risulta selezionato sul CN</source>
        <translation>The program is selected on the CNC</translation>
    </message>
    <message>
        <source>Il sottoprogramma risulta in esecuzione sul CN</source>
        <translation>The subprogram is running on the CNC</translation>
    </message>
    <message>
        <source>Il sottoprogramma risulta selezionato sul CN</source>
        <translation>The subprogram is selected on the CNC</translation>
    </message>
    <message>
        <source>Programma esiste già nel CN</source>
        <translation>Program already exists in the CNC</translation>
    </message>
    <message>
        <source>Desiderate cancellare il programma sul CN ? </source>
        <translation>Do you want to delete the program in the CNC ? </translation>
    </message>
    <message>
        <source>Desiderate rinominare il programma sul CN ? </source>
        <translation>Do you want to rename the program in the CNC ? </translation>
    </message>
    <message>
        <source>Cancellazione programma</source>
        <translation>Delete program</translation>
    </message>
    <message>
        <source>Formato part program errato</source>
        <translation>Wrong part program format</translation>
    </message>
    <message>
        <source>Il programma esiste sul CN</source>
        <translation>The program exists in the CNC</translation>
    </message>
    <message>
        <source>Programma inviato..</source>
        <translation>Program sent..</translation>
    </message>
    <message>
        <source>Correggere e ripetere l&apos;invio</source>
        <translation>Correct it and send again</translation>
    </message>
    <message>
        <source>Il programma contiene caratteri non ammessi</source>
        <translation>The program contains characters that are not allowed</translation>
    </message>
    <message>
        <source>Con TV attivo è stato inviato un blocco con n. caratteri dispari</source>
        <translation>With TV check on, a block with an odd number of characters was sent</translation>
    </message>
    <message>
        <source>Il numero dei programmi registrati è completo</source>
        <translation>The CNC holds the maximum number of programs</translation>
    </message>
    <message>
        <source>Programma già presente sul CN</source>
        <translation>Program already in the CNC</translation>
    </message>
    <message>
        <source>Il programma inviato risulta selezionato sul CN</source>
        <translation>The program sent is selected on the CNC</translation>
    </message>
    <message>
        <source>Il C.N. non ha accettato dati per %1 secondi: invio interrotto.</source>
        <translation>The CNC accepted no data for %1 seconds: send interrupted.</translation>
    </message>
    <message>
        <source>Invio interrotto dall&apos;utente.</source>
        <translation>Send interrupted by the user.</translation>
    </message>
    <message>
        <source>Ricezione interrotta dall&apos;utente.</source>
        <translation>Receive interrupted by the user.</translation>
    </message>
    <message>
        <source>Trasferimento in corso con il C.N.: interromperlo?</source>
        <translation>Transfer with the CNC in progress: interrupt it?</translation>
    </message>
    <message>
        <source>Riga %1: %2
Il carattere % chiude il programma sul C.N.: toglierlo e ripetere l&apos;invio.</source>
        <translation>Line %1: %2
The % character ends the program on the CNC: remove it and send again.</translation>
    </message>
    <message>
        <source>Nessun part program selezionato</source>
        <translation>No part program selected</translation>
    </message>
    <message>
        <source>Il part program non è delimitato da %</source>
        <translation>The part program is not framed by %</translation>
    </message>
    <message>
        <source>Cancello il programma già ricevuto?</source>
        <translation>Clear the program already received?</translation>
    </message>
    <message>
        <source>Contiene dati</source>
        <translation>Contains data</translation>
    </message>
    <message>
        <source>Il C.N. non ha inviato dati per %1 secondi: ricezione interrotta.</source>
        <translation>The CNC sent no data for %1 seconds: receive interrupted.</translation>
    </message>
    <message>
        <source>La libreria del C.N. ha indicato %1 caratteri per un blocco di %2: ricezione interrotta, nulla è stato salvato.</source>
        <translation>The CNC library reported %1 characters for a block of %2: receive interrupted, nothing was saved.</translation>
    </message>
    <message>
        <source>Il programma ricevuto supera %1 byte (impostazione cnc/maxProgramBytes): ricezione interrotta.</source>
        <translation>The received program exceeds %1 bytes (setting cnc/maxProgramBytes): receive interrupted.</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Elaborazione multiprogramma</source>
        <translation>Multi-program check</translation>
    </message>
    <message>
        <source>Nuovo IF</source>
        <translation>New number</translation>
    </message>
    <message>
        <source>Già presente su CN</source>
        <translation>Already in the CNC</translation>
    </message>
    <message>
        <source>OK!</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Non Continuare</source>
        <translation>Do Not Continue</translation>
    </message>
    <message>
        <source>Riga: %1  Il nuovo numero %2 è fuori dal campo del C.N. (da %3 a %4)</source>
        <translation>Line: %1  The new number %2 is outside the CNC&apos;s range (%3 to %4)</translation>
    </message>
    <message>
        <source>Riga: %1  Non contiene dati validi</source>
        <translation>Line: %1  Contains no valid data</translation>
    </message>
    <message>
        <source>In attesa di comando da remoto</source>
        <translation>Waiting for remote command</translation>
    </message>
    <message>
        <source>Forza</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Il dispositivo di rete %1 non ha accettato la connessione entro %2 secondi.</source>
        <translation>Network device %1 did not accept the connection within %2 seconds.</translation>
    </message>
    <message>
        <source>Il dispositivo di rete %1 non ha risposto entro %2 secondi.</source>
        <translation>Network device %1 did not answer within %2 seconds.</translation>
    </message>
    <message>
        <source>Collegamento con il dispositivo di rete %1 non riuscito: %2</source>
        <translation>Connection to network device %1 failed: %2</translation>
    </message>
    <message>
        <source>Il C.N. ha indicato il programma numero %1, fuori dal campo da %2 a %3: elenco interrotto.</source>
        <translation>The CNC reported program number %1, outside the range %2 to %3: list interrupted.</translation>
    </message>
    <message>
        <source>Verifica: %1 non riletto dal C.N.: %2</source>
        <translation>Check: %1 not read back from the CNC: %2</translation>
    </message>
    <message>
        <source>Verifica: %1 differisce alla riga %2: inviato &quot;%3&quot;, letto dal C.N. &quot;%4&quot;</source>
        <translation>Check: %1 differs at line %2: sent &quot;%3&quot;, read from the CNC &quot;%4&quot;</translation>
    </message>
    <message>
        <source>Verifica: i programmi nel C.N. sono uguali a quelli inviati.</source>
        <translation>Check: the programs in the CNC are the same as those sent.</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Commento</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Dimensione</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Ricerca programmi C.N.</source>
        <translation>Search CNC programs</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ricerca programmi C.N.&lt;/h3&gt;&lt;p&gt;Scegliere il tipo di ricerca (cliente, disegno, descrizione) e scrivere l&apos;inizio del testo cercato; il carattere &lt;b&gt;*&lt;/b&gt; vale qualsiasi sequenza di caratteri. Una ricerca vuota elenca tutto l&apos;archivio.&lt;/p&gt;&lt;p&gt;Con il numero progressivo e &lt;b&gt;Cerca/agg.&lt;/b&gt; si trova un programma o se ne crea uno nuovo con quel numero. &lt;b&gt;Libero&lt;/b&gt; propone il primo numero non usato.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Crea&lt;/b&gt;, &lt;b&gt;Clonare&lt;/b&gt;, &lt;b&gt;Varia&lt;/b&gt; ed &lt;b&gt;Elimina&lt;/b&gt; gestiscono le schede; &lt;b&gt;OK&lt;/b&gt; registra la scheda. &lt;b&gt;Conferma&lt;/b&gt; apre il programma scelto nell&apos;editor.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Search CNC programs&lt;/h3&gt;&lt;p&gt;Choose the kind of search (customer, drawing, description) and type the start of the text you are looking for; the character &lt;b&gt;*&lt;/b&gt; stands for any run of characters. An empty search lists the whole archive.&lt;/p&gt;&lt;p&gt;With the program number and &lt;b&gt;Find/add&lt;/b&gt; you find a program or create a new one with that number. &lt;b&gt;Free&lt;/b&gt; offers the first unused number.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Create&lt;/b&gt;, &lt;b&gt;Clone&lt;/b&gt;, &lt;b&gt;Edit&lt;/b&gt; and &lt;b&gt;Delete&lt;/b&gt; manage the records; &lt;b&gt;OK&lt;/b&gt; saves the record. &lt;b&gt;Confirm&lt;/b&gt; opens the chosen program in the editor.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Stampa lista dei cicli</source>
        <translation>Print the program list</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Stampa lista dei cicli&lt;/h3&gt;&lt;p&gt;Scrivere il cliente (o l&apos;inizio del nome) da listare; vuoto stampa tutti i clienti. Scegliere l&apos;ordine di stampa e premere &lt;b&gt;Stampa&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;I programmi con cliente &quot;.&quot; non vengono mai stampati.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Print the program list&lt;/h3&gt;&lt;p&gt;Type the customer (or the start of the name) to list; empty prints all customers. Choose the print order and press &lt;b&gt;Print&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Programs whose customer is &quot;.&quot; are never printed.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Editor dei programmi</source>
        <translation>Program editor</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Editor dei programmi&lt;/h3&gt;&lt;p&gt;Ogni finestra contiene un programma dell&apos;archivio. Il salvataggio chiede la password di accesso, se impostata.&lt;/p&gt;&lt;p&gt;Dal menu si stampa il programma, si cerca e sostituisce il testo, si numera con la sequenza automatica e si trasmette il programma al C.N.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Program editor&lt;/h3&gt;&lt;p&gt;Each window holds one program of the archive. Saving asks for the access password, if one is set.&lt;/p&gt;&lt;p&gt;From the menu you print the program, find and replace text, number the blocks with the automatic sequence and send the program to the CNC.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Terminale di comunicazione</source>
        <translation>Communication terminal</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Terminale di comunicazione&lt;/h3&gt;&lt;p&gt;Trasmette il testo al C.N. scelto o riceve un programma dal C.N. Durante la trasmissione &lt;b&gt;Termina&lt;/b&gt; interrompe, &lt;b&gt;Continua&lt;/b&gt; non attende il consenso del C.N.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Communication terminal&lt;/h3&gt;&lt;p&gt;Sends the text to the chosen CNC or receives a program from the CNC. During a transfer &lt;b&gt;Stop&lt;/b&gt; interrupts it, &lt;b&gt;Continue&lt;/b&gt; does not wait for the CNC&apos;s go-ahead.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Impostazioni di comunicazione</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Impostazioni di comunicazione&lt;/h3&gt;&lt;p&gt;Ogni macchina ha un nome, la porta seriale con velocità, parità, bit di dati e di stop, il protocollo, il preambolo e il postambolo in cifre esadecimali e il fine riga. Una macchina Ethernet ha indirizzo e porta.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Communication settings&lt;/h3&gt;&lt;p&gt;Each machine has a name, the serial port with speed, parity, data and stop bits, the protocol, the preamble and postamble in hex digits, and the line end. An Ethernet machine has an address and a port.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nessuna guida per l&apos;argomento %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No help for topic %1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>MachineText</name>
    <message>
        <source>Test delle linee Seriali ed Ethernet</source>
        <translation>Serial and Ethernet line test</translation>
    </message>
    <message>
        <source>Test in corso</source>
        <translation>Test in progress</translation>
    </message>
    <message>
        <source>Test terminato</source>
        <translation>Test finished</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>KO!</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>Impostazioni di comunicazione</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source>C.N. Disponibili</source>
        <translation>Available CNCs</translation>
    </message>
    <message>
        <source>&amp;Bit per secondo</source>
        <translation>&amp;Baud rate</translation>
    </message>
    <message>
        <source>Bi&amp;t di dati</source>
        <translation>&amp;Data bits</translation>
    </message>
    <message>
        <source>B&amp;it di stop</source>
        <translation>&amp;Stop bits</translation>
    </message>
    <message>
        <source>&amp;Parità</source>
        <translation>&amp;Parity</translation>
    </message>
    <message>
        <source>P&amp;orta Com</source>
        <translation>COM p&amp;ort</translation>
    </message>
    <message>
        <source>&amp;Controllo di flusso</source>
        <translation>&amp;Flow control</translation>
    </message>
    <message>
        <source>&amp;Gestione CR  LF</source>
        <translation>CR LF &amp;handling</translation>
    </message>
    <message>
        <source>Nessuna</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Dispari</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>Pari</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <source>Xon/RTS</source>
        <translation>Xon/RTS</translation>
    </message>
    <message>
        <source>Cr + Lf</source>
        <translation>Cr + Lf</translation>
    </message>
    <message>
        <source>Lf</source>
        <translation>Lf</translation>
    </message>
    <message>
        <source>Cr </source>
        <translation>Cr </translation>
    </message>
    <message>
        <source>Preambolo</source>
        <translation>Preamble</translation>
    </message>
    <message>
        <source>Postambolo</source>
        <translation>Postamble</translation>
    </message>
    <message>
        <source>Gestione tramite Ethernet</source>
        <translation>Connected via Ethernet</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Varia </source>
        <translation>Apply </translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Abbandona</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Nome nuovo CNC?</source>
        <translation>Name of the new CNC?</translation>
    </message>
    <message>
        <source>Aggiunta di Macchine a C.N.</source>
        <translation>Add CNC machines</translation>
    </message>
    <message>
        <source>Nome già usato</source>
        <translation>Name already in use</translation>
    </message>
    <message>
        <source>Selezionare un utensile</source>
        <translation>Select a machine tool</translation>
    </message>
    <message>
        <source>Nome Macchina Utensile</source>
        <translation>Machine tool name</translation>
    </message>
    <message>
        <source>Variazione nome</source>
        <translation>Change name</translation>
    </message>
    <message>
        <source>Nome non valido</source>
        <translation>Invalid name</translation>
    </message>
    <message>
        <source>Volete salvare le variazioni</source>
        <translation>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Volete abbandonare le variazioni</source>
        <translation>Do you want to discard the changes?</translation>
    </message>
    <message>
        <source>Termine modifiche</source>
        <translation>Finish editing</translation>
    </message>
    <message>
        <source>L&apos;elenco contiene già 100 macchine: non se ne possono aggiungere altre.</source>
        <translation>The list already holds 100 machines: no more can be added.</translation>
    </message>
    <message>
        <source>Il file %1 non esiste: nessuna macchina configurata.</source>
        <translation>The file %1 does not exist: no machine is set up.</translation>
    </message>
    <message>
        <source>Righe del file %1 che non si possono leggere (restano nel file così come sono):</source>
        <translation>Lines of the file %1 that cannot be read (they stay in the file as they are):</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>... e altre %1 righe.</source>
        <translation>... and %1 more lines.</translation>
    </message>
    <message>
        <source>numero della macchina scelta non valido: nessuna macchina letta</source>
        <translation>invalid number of the chosen machine: no machine read</translation>
    </message>
    <message>
        <source>carattere di controllo (codice %1)</source>
        <translation>control character (code %1)</translation>
    </message>
    <message>
        <source>virgolette non chiuse</source>
        <translation>quotes not closed</translation>
    </message>
    <message>
        <source>testo dopo le virgolette di chiusura</source>
        <translation>text after the closing quotes</translation>
    </message>
    <message>
        <source>virgolette all&apos;interno di un campo</source>
        <translation>quotes inside a field</translation>
    </message>
    <message>
        <source>più di sette campi</source>
        <translation>more than seven fields</translation>
    </message>
    <message>
        <source>manca il nome della macchina</source>
        <translation>machine name missing</translation>
    </message>
    <message>
        <source>numero non valido per la porta Com</source>
        <translation>invalid number for the COM port</translation>
    </message>
    <message>
        <source>numero non valido per il controllo di flusso</source>
        <translation>invalid number for the flow control</translation>
    </message>
    <message>
        <source>numero non valido per la gestione CR LF</source>
        <translation>invalid number for the CR LF handling</translation>
    </message>
    <message>
        <source>oltre la centesima macchina</source>
        <translation>beyond the hundredth machine</translation>
    </message>
    <message>
        <source>La macchina %1 ha la porta Com %2: sono ammesse le porte da 1 a 16.</source>
        <translation>Machine %1 has COM port %2: ports 1 to 16 are allowed.</translation>
    </message>
    <message>
        <source>La macchina %1 ha il controllo di flusso %2: sono ammessi i valori da 0 a 3.</source>
        <translation>Machine %1 has flow control %2: values 0 to 3 are allowed.</translation>
    </message>
    <message>
        <source>La macchina %1 ha la gestione CR LF %2: sono ammessi i valori da 0 a 2.</source>
        <translation>Machine %1 has CR LF handling %2: values 0 to 2 are allowed.</translation>
    </message>
    <message>
        <source>Scelta utensile</source>
        <translation>Choose machine</translation>
    </message>
    <message>
        <source>Ok </source>
        <translation>OK </translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PicvaultText</name>
    <message>
        <source>Ver. </source>
        <translation>Ver. </translation>
    </message>
    <message>
        <source>          Immagini ciclo: </source>
        <translation>          Program pictures: </translation>
    </message>
    <message>
        <source>&amp;Carica immagini</source>
        <translation>&amp;Add pictures</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>          HELP</source>
        <translation>          HELP</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Versione 1.2 29/12/05</source>
        <translation>Version 1.2 29/12/05</translation>
    </message>
    <message>
        <source>Gestione immagini</source>
        <translation>Picture manager</translation>
    </message>
    <message>
        <source>Aggiunte d&apos;immagine</source>
        <translation>Add a picture</translation>
    </message>
    <message>
        <source>Variazioni all&apos;immagine</source>
        <translation>Edit picture</translation>
    </message>
    <message>
        <source>Anteprima</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Descrizione breve</source>
        <translation>Short description</translation>
    </message>
    <message>
        <source>Descrizione completa.</source>
        <translation>Full description.</translation>
    </message>
    <message>
        <source>Carica</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Varia</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Le modifiche alle immagini verranno visualizzate dopo la pressione del tasto ESCI.</source>
        <translation>Changes to the pictures are shown after you press EXIT.</translation>
    </message>
    <message>
        <source>Immagini</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Aggiunto...</source>
        <translation>Added...</translation>
    </message>
    <message>
        <source>Manca la descrizione breve</source>
        <translation>The short description is missing</translation>
    </message>
    <message>
        <source>Incongruenza tra database ed immagini</source>
        <translation>Database and pictures do not match</translation>
    </message>
    <message>
        <source>Elimino immagine?</source>
        <translation>Delete the picture?</translation>
    </message>
    <message>
        <source>L&apos;immagine non è stata aggiunta:
%1
%2</source>
        <translation>The picture was not added:
%1
%2</translation>
    </message>
    <message>
        <source>L&apos;immagine non è stata eliminata:
%1
%2</source>
        <translation>The picture was not deleted:
%1
%2</translation>
    </message>
    <message>
        <source>Errore nel catalogo delle immagini:
%1</source>
        <translation>Error in the picture catalog:
%1</translation>
    </message>
    <message>
        <source>Numerazione delle immagini esaurita</source>
        <translation>No picture numbers left</translation>
    </message>
    <message>
        <source>Stampa non riuscita</source>
        <translation>Printing failed</translation>
    </message>
</context>
<context>
    <name>RevisionText</name>
    <message>
        <source>La revisione %1 del programma %2 è danneggiata (%3): non viene usata.</source>
        <translation>Revision %1 of program %2 is damaged (%3): not used.</translation>
    </message>
    <message>
        <source>dati compressi non leggibili</source>
        <translation>compressed data unreadable</translation>
    </message>
    <message>
        <source>l&apos;impronta SHA-256 non corrisponde</source>
        <translation>SHA-256 digest does not match</translation>
    </message>
    <message>
        <source>testo in attesa %1 mancante</source>
        <translation>pending text %1 missing</translation>
    </message>
    <message>
        <source>testo in attesa %1 di dimensione diversa</source>
        <translation>pending text %1 has a different size</translation>
    </message>
    <message>
        <source>Il programma %1 non ha la revisione %2.</source>
        <translation>Program %1 has no revision %2.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Program %1 is not in the archive.</translation>
    </message>
    <message>
        <source>Testo attuale non conservato come revisione, nessuna modifica eseguita:
%1</source>
        <translation>Current text not kept as a revision, nothing changed:
%1</translation>
    </message>
    <message>
        <source>Testo attuale di %1 non leggibile: %2</source>
        <translation>Cannot read the current text of %1: %2</translation>
    </message>
    <message>
        <source>Programma non salvato in %1:
%2</source>
        <translation>Program not saved to %1:
%2</translation>
    </message>
    <message>
        <source>Testo %1 non eliminato: %2</source>
        <translation>Text %1 not deleted: %2</translation>
    </message>
    <message>
        <source>Archivio non aggiornato, testo precedente rimesso in %1:
%2</source>
        <translation>Archive not updated, previous text put back in %1:
%2</translation>
    </message>
    <message>
        <source>Archivio non aggiornato e testo precedente non rimesso in %1 (%2); copia salvata in %3:
%4</source>
        <translation>Archive not updated and previous text not put back in %1 (%2); copy saved to %3:
%4</translation>
    </message>
    <message>
        <source>Il numero %1 è ora di un altro programma (%2): ripristino non eseguito.</source>
        <translation>Number %1 now belongs to another program (%2): not restored.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio e nessuna sua revisione ne conserva i dati: ripristino non eseguito.</source>
        <translation>Program %1 is not in the archive and none of its revisions keeps its record: not restored.</translation>
    </message>
    <message>
        <source>Revisioni del programma %1</source>
        <translation>Revisions of program %1</translation>
    </message>
    <message>
        <source>Revisioni...</source>
        <translation>Revisions...</translation>
    </message>
    <message>
        <source>attuale</source>
        <translation>current</translation>
    </message>
    <message>
        <source>Rev.</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Autore</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Caratteri</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>Righe +</source>
        <translation>Lines +</translation>
    </message>
    <message>
        <source>Righe -</source>
        <translation>Lines -</translation>
    </message>
    <message>
        <source>Confronta con:</source>
        <translation>Compare with:</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nessuna revisione del programma %1.</source>
        <translation>No revisions of program %1.</translation>
    </message>
    <message>
        <source>Ripristinare la revisione %1 come testo attuale?
Il testo attuale diventa una revisione.</source>
        <translation>Restore revision %1 as the current text?
The current text becomes a revision.</translation>
    </message>
    <message>
        <source>Revisione %1 ripristinata.</source>
        <translation>Revision %1 restored.</translation>
    </message>
    <message>
        <source>Il testo della finestra è stato modificato e non salvato: ripristinare comunque?</source>
        <translation>The text in the window was changed and not saved: restore anyway?</translation>
    </message>
    <message>
        <source>%1 righe aggiunte, %2 eliminate</source>
        <translation>%1 lines added, %2 deleted</translation>
    </message>
    <message>
        <source>Riga</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>DNC</source>
        <translation>DNC</translation>
    </message>
    <message>
        <source>eliminato</source>
        <translation>deleted</translation>
    </message>
    <message>
        <source>ripristino</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>riga di comando</source>
        <translation>command line</translation>
    </message>
</context>
<context>
    <name>SerialText</name>
    <message>
        <source>Data cannot be sent</source>
        <translation>Data cannot be sent</translation>
    </message>
    <message>
        <source>L&apos;utente deve essere autorizzato a usare il dispositivo (ad esempio come membro del gruppo dialout).</source>
        <translation>The user must be allowed to use the device (for example as a member of the dialout group).</translation>
    </message>
    <message>
        <source>Numero di porta non valido: %1</source>
        <translation>Invalid port number: %1</translation>
    </message>
    <message>
        <source>Impostazioni della linea non valide: %1</source>
        <translation>Invalid line settings: %1</translation>
    </message>
    <message>
        <source>La porta non è aperta</source>
        <translation>The port is not open</translation>
    </message>
    <message>
        <source>Dispositivo scollegato: %1</source>
        <translation>Device disconnected: %1</translation>
    </message>
    <message>
        <source>linea chiusa dall&apos;altro capo</source>
        <translation>line closed by the other end</translation>
    </message>
    <message>
        <source>Programma non inviato.</source>
        <translation>Program not sent.</translation>
    </message>
    <message>
        <source>In attesa di consenso dal CN.</source>
        <translation>Waiting for the go-ahead from the CNC.</translation>
    </message>
    <message>
        <source>Trasmissione del ciclo in corso</source>
        <translation>Program transfer in progress</translation>
    </message>
    <message>
        <source>Ricezione in corso - </source>
        <translation>Receiving - </translation>
    </message>
    <message>
        <source>Ricezione interrotta: %1 caratteri ricevuti.</source>
        <translation>Reception interrupted: %1 characters received.</translation>
    </message>
    <message>
        <source>Rilevata modifica in CTS</source>
        <translation>CTS changed</translation>
    </message>
    <message>
        <source>Rilevata modifica in DSR</source>
        <translation>DSR changed</translation>
    </message>
    <message>
        <source>Rilevata modifica CD</source>
        <translation>CD changed</translation>
    </message>
    <message>
        <source>Il telefono sta suonando</source>
        <translation>The phone is ringing</translation>
    </message>
    <message>
        <source>Rilevata fine del file</source>
        <translation>End of file detected</translation>
    </message>
    <message>
        <source>Ricevuto segnale di interruzione</source>
        <translation>Break signal received</translation>
    </message>
    <message>
        <source>Timeout CTS</source>
        <translation>CTS timeout</translation>
    </message>
    <message>
        <source>Timeout DSR</source>
        <translation>DSR timeout</translation>
    </message>
    <message>
        <source>Errore di frame</source>
        <translation>Framing error</translation>
    </message>
    <message>
        <source>Errore di parità</source>
        <translation>Parity error</translation>
    </message>
    <message>
        <source>Errore di overrun</source>
        <translation>Overrun error</translation>
    </message>
    <message>
        <source>Overflow del buffer di ricezione</source>
        <translation>Receive buffer overflow</translation>
    </message>
    <message>
        <source>Scegliere Annulla per terminare, OK per ignorare.</source>
        <translation>Choose Cancel to stop, OK to ignore.</translation>
    </message>
    <message>
        <source>Terminale di comunicazione TRUV</source>
        <translation>TRUV communication terminal</translation>
    </message>
    <message>
        <source>&amp;Rice-Trasmissione</source>
        <translation>&amp;Transfer</translation>
    </message>
    <message>
        <source>&amp;Trasmetti il programma al C.N. ...</source>
        <translation>&amp;Send the program to the CNC ...</translation>
    </message>
    <message>
        <source>&amp;Ricevi il programma dal C.N.</source>
        <translation>&amp;Receive the program from the CNC</translation>
    </message>
    <message>
        <source>&amp;Carica</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>Sa&amp;ve</translation>
    </message>
    <message>
        <source>&amp;Parametri di comunicazione</source>
        <translation>&amp;Communication settings</translation>
    </message>
    <message>
        <source>&amp;Impostazioni...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>&amp;Torna window principale.</source>
        <translation>&amp;Back to the main window</translation>
    </message>
    <message>
        <source>Stato - </source>
        <translation>Status - </translation>
    </message>
    <message>
        <source>Salvato...</source>
        <translation>Saved...</translation>
    </message>
    <message>
        <source>Salvo i dati ricevuti</source>
        <translation>Save the received data?</translation>
    </message>
    <message>
        <source>Carica</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Tutti i file (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1:
%2</source>
        <translation>Cannot read the file %1:
%2</translation>
    </message>
    <message>
        <source>il file è cambiato durante l&apos;invio</source>
        <translation>the file changed while it was being sent</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1:
%2</source>
        <translation>Cannot save the file %1:
%2</translation>
    </message>
    <message>
        <source>Ricetrasmissione  %1 Com%2</source>
        <translation>Transfer  %1 COM%2</translation>
    </message>
    <message>
        <source>Termina</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>ShellText</name>
    <message>
        <source>TRUV   Gestione C.N. </source>
        <translation>TRUV   CNC Programs </translation>
    </message>
    <message>
        <source>Gestione programmi C.N.</source>
        <translation>CNC program manager</translation>
    </message>
    <message>
        <source>Gestione programmi C.N. Rel </source>
        <translation>CNC program manager Rel </translation>
    </message>
    <message>
        <source>%1 è un archivio Microsoft Access del vecchio programma.

Convertire ora la cartella nel nuovo formato? I file Access restano nella cartella come truv-access.mdb e IMMAGINI-access.mdb.</source>
        <translation>%1 is a Microsoft Access archive of the old program.

Convert the folder to the new format now? The Access files stay in the folder as truv-access.mdb and IMMAGINI-access.mdb.</translation>
    </message>
    <message>
        <source>Conversione completata.

%1</source>
        <translation>Conversion complete.

%1</translation>
    </message>
    <message>
        <source>Conversione non eseguita: nessun file è stato modificato.

%1</source>
        <translation>Conversion not done: no file was changed.

%1</translation>
    </message>
    <message>
        <source>Nella cartella %1 non c&apos;è ancora un archivio dei programmi.

Creare ora un nuovo archivio vuoto in questa cartella?</source>
        <translation>There is no program archive in the folder %1 yet.

Create a new, empty archive in this folder now?</translation>
    </message>
    <message>
        <source>Impossibile creare il nuovo archivio.

%1</source>
        <translation>The new archive could not be created.

%1</translation>
    </message>
</context>
<context>
    <name>SqlConnection</name>
    <message>
        <source>Indirizzo dell&apos;archivio non valido: %1 (atteso postgresql://utente@host:porta/database)</source>
        <translation>Invalid archive address: %1 (expected postgresql://user@host:port/database)</translation>
    </message>
</context>
<context>
    <name>TransferLogText</name>
    <message>
        <source>in corso</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>riuscito</source>
        <translation>succeeded</translation>
    </message>
    <message>
        <source>fallito</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>interrotto</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>invio seriale</source>
        <translation>serial send</translation>
    </message>
    <message>
        <source>ricezione seriale</source>
        <translation>serial receive</translation>
    </message>
    <message>
        <source>invio Ethernet</source>
        <translation>Ethernet send</translation>
    </message>
    <message>
        <source>ricezione Ethernet</source>
        <translation>Ethernet receive</translation>
    </message>
    <message>
        <source>cancellazione Ethernet</source>
        <translation>Ethernet delete</translation>
    </message>
    <message>
        <source>rinomina Ethernet</source>
        <translation>Ethernet rename</translation>
    </message>
    <message>
        <source>ricezione DNC</source>
        <translation>DNC receive</translation>
    </message>
    <message>
        <source>DNC Rinomina</source>
        <translation>DNC Rename</translation>
    </message>
    <message>
        <source>DNC Cancella</source>
        <translation>DNC Delete</translation>
    </message>
    <message>
        <source>Interrotto dall&apos;utente.</source>
        <translation>Stopped by the user.</translation>
    </message>
    <message>
        <source>Rinominato in %1</source>
        <translation>Renamed to %1</translation>
    </message>
    <message>
        <source>Finestra chiusa prima dell&apos;esito.</source>
        <translation>Window closed before the result.</translation>
    </message>
    <message>
        <source>Registro trasferimenti non scritto: %1
I trasferimenti continuano senza registro.</source>
        <translation>Transfer log not written: %1
Transfers go on without a log.</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Operazione</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Programma C.N.</source>
        <translation>CNC program</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Revisione</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Messaggio</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Registro trasferimenti</source>
        <translation>Transfer log</translation>
    </message>
    <message>
        <source>&amp;Registro trasferimenti</source>
        <translation>Transfer &amp;log</translation>
    </message>
    <message>
        <source>Macchina:</source>
        <translation>Machine:</translation>
    </message>
    <message>
        <source>Programma:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>Dal:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Al:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Esito:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>(tutti)</source>
        <translation>(all)</translation>
    </message>
    <message>
        <source>&amp;Cerca</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 trasferimenti</source>
        <translation>%1 transfers</translation>
    </message>
    <message>
        <source>Numero di programma non valido: %1</source>
        <translation>Invalid program number: %1</translation>
    </message>
    <message>
        <source>La data iniziale è successiva alla data finale.</source>
        <translation>The start date is after the end date.</translation>
    </message>
    <message>
        <source>Impossibile leggere il registro trasferimenti:
%1</source>
        <translation>Cannot read the transfer log:
%1</translation>
    </message>
    <message>
        <source>Esporta il registro trasferimenti</source>
        <translation>Export the transfer log</translation>
    </message>
    <message>
        <source>File CSV (*.csv);;Tutti i file (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Registro esportato in %1</source>
        <translation>Log exported to %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Nuova password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Ripetere...</source>
        <translation>Repeat...</translation>
    </message>
    <message>
        <source>Password non valida. Riprovare</source>
        <translation>Invalid password. Try again</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Access</translation>
    </message>
</context>
<context>
    <name>frmMDI</name>
    <message>
        <source>&amp;Ricerca programmi C.N.</source>
        <translation>&amp;Search CNC programs</translation>
    </message>
    <message>
        <source>&amp;Stampa lista cicli</source>
        <translation>&amp;Print program list</translation>
    </message>
    <message>
        <source>&amp;Parametri</source>
        <translation>Para&amp;meters</translation>
    </message>
    <message>
        <source>Parametri di &amp;comunicazione</source>
        <translation>&amp;Communication settings</translation>
    </message>
    <message>
        <source>&amp;Altezza carattere di stampa</source>
        <translation>Print character &amp;height</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>&amp;Crediti</source>
        <translation>&amp;Credits</translation>
    </message>
    <message>
        <source>&amp;Utilità</source>
        <translation>&amp;Utilities</translation>
    </message>
    <message>
        <source>Ri&amp;organizza database</source>
        <translation>Re&amp;organize database</translation>
    </message>
    <message>
        <source>&amp;Invia/ricevi dati al C.N. </source>
        <translation>&amp;Send/receive CNC data </translation>
    </message>
    <message>
        <source>Gestione password</source>
        <translation>Password management</translation>
    </message>
</context>
<context>
    <name>frmNotePad</name>
    <message>
        <source>Senza titolo</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Sal&amp;va</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Stampa ciclo</source>
        <translation>&amp;Print program</translation>
    </message>
    <message>
        <source>Stampa &amp;intestazioni</source>
        <translation>Print &amp;headers</translation>
    </message>
    <message>
        <source>Stam&amp;pa Completa</source>
        <translation>Print &amp;all</translation>
    </message>
    <message>
        <source>Stampa &amp;Commenti</source>
        <translation>Print &amp;comments</translation>
    </message>
    <message>
        <source>&amp;Lista cicli</source>
        <translation>Program &amp;list</translation>
    </message>
    <message>
        <source>&amp;Immagini</source>
        <translation>Pictu&amp;res</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Importa</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Invio/ricezione non schedulata</source>
        <translation>&amp;Unscheduled send/receive</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Taglia</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Incolla</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Seleziona tutto</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>&amp;Trasmissione/ricezione</source>
        <translation>Send/&amp;receive</translation>
    </message>
    <message>
        <source>&amp;Cerca</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Trova</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Trova &amp;successivo</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>&amp;Rimpiazza</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Carattere</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>A&amp;ltezza carattere</source>
        <translation>Font &amp;height</translation>
    </message>
    <message>
        <source>Alte&amp;zza car. stampa mm.</source>
        <translation>&amp;Print font height mm.</translation>
    </message>
    <message>
        <source>&amp;Sequenza automatica</source>
        <translation>&amp;Automatic sequence numbers</translation>
    </message>
    <message>
        <source>Fi&amp;nestra</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Sovrapponi</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Affianca</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>&amp;Iconizza</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message>
        <source>&amp;Disponi icone</source>
        <translation>&amp;Arrange icons</translation>
    </message>
</context>
</TS>
