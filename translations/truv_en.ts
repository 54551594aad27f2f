<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
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
