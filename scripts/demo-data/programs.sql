INSERT INTO cicli (progr, cliente, disegno, descrizione, memo, macchina) VALUES
 (1, 'OFFICINE ROSSI', '12-4410-A', 'FLANGIA DN50 PN16', 'Grezzo: tondo C40 diam. 165' || char(13) || char(10) || 'Staffaggio su autocentrante morbido', 'T1'),
 (2, 'OFFICINE ROSSI', '12-4411-B', 'ALBERO MOTORE L=320', 'Contropunta obbligatoria', 'T1'),
 (3, 'MECCANICA BIANCHI', 'MB-0087', 'PIASTRA BASE 200X150', 'Fresa a spianare D63, punta a centrare', 'F2'),
 (4, 'MECCANICA BIANCHI', 'MB-0091', 'SUPPORTO CUSCINETTO', '', 'F2'),
 (5, 'D''ANGELO SRL', 'DA-2024-17', 'BOCCOLA OTTONE D30', 'Materiale CuZn39Pb3', 'T1'),
 (6, '.', 'PROVA-01', 'PROGRAMMA DI PROVA MACCHINA', 'Non stampare', 'F2');
