<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
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
</TS>
