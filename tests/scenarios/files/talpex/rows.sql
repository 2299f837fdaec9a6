-- TALPEX's export for the import scenarios: messy as real exports are.
-- NULLs, an empty text, quotes, accents, lower-case codes and surnames, an
-- association without volunteers, a volunteer of an association the export
-- does not list and one with no association code, a note longer than a text
-- field (a memo in the Access file).
insert into ASSO (CODASS, DENOM, INDIR, CAP, CITTA, PROV, TEL, FAX, MAIL, NUMVOL, NOTE) values
  ('T00001', 'ALFA', 'VIA PO 1', '10100', 'TORINO', 'TO', '011', '012', 'alfa@pc.it', 5, NULL),
  ('T00002', 'BETA', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL),
  ('T00003', 'GAMMA', '', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('T00004', 'L''ARCA "UNO"', 'PIAZZA SANTÉ 3', '00100', 'ROMA', 'RM', NULL, NULL, NULL, 2, 'già socia'),
  ('T00006', 'ÈLITE SOCCORSO', NULL, NULL, 'FORLÌ', 'FC', NULL, NULL, NULL, 1, NULL),
  ('T00007', '_PRIMA', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 1, NULL);
insert into VOLO (CODVOL, CODASS, COGN, NOME, SPEC, NOTE) values
  ('0007', 'T00001', 'VERDI', 'ANNA', 'CUOCO', NULL),
  ('0003', 'T00001', 'BIANCHI', 'EVA', '', NULL),
  ('0004', 'T00001', 'de santis', 'luca', NULL, 'NOTA LUNGA riga 01; riga 02; riga 03; riga 04; riga 05; riga 06; riga 07; riga 08; riga 09; riga 10; riga 11; riga 12; riga 13; riga 14; riga 15; riga 16; riga 17; riga 18; riga 19; riga 20; riga 21; riga 22; riga 23; riga 24; riga 25; riga 26; riga 27; riga 28; riga 29; riga 30; '),
  ('0005', 'T00001', 'DE LUCA', 'PIO', 'AUTISTA', NULL),
  ('0006', 'T00001', 'D''AMICO', 'RITA', 'MEDICO', NULL),
  ('0001', 't00003', 'NUOVO', 'GINO', NULL, NULL),
  ('0001', 'T00004', 'NICOLÒ', 'PIÙ "BELLO"', 'INFERMIERE', NULL),
  ('0002', 'T00004', 'BIANCHI', 'ÉVA', NULL, NULL),
  ('0001', 'T00099', 'ORFANO', 'NESSUNO', NULL, NULL),
  ('0009', NULL, 'SENZA', 'CODICE', NULL, NULL),
  ('0001', 'T00006', 'ROSSI', 'ELENA', 'CUOCO', NULL),
  ('0001', 'T00007', 'PRIMO', 'DEL_ELENCO', NULL, NULL);
