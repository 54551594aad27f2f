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
