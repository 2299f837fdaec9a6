-- The registers the scenarios hand to the desk as Access files. Each block
-- becomes one file (see make.sh): "-- file NAME" starts it.

-- file asso-access.mdb
-- An older desk's associations: the counts as numbers, a NULL address, an
-- accented name.
create table ASSO (CODASS TEXT, DENOM TEXT, INDIR TEXT, CAP TEXT, CITTA TEXT, PROV TEXT, TEL TEXT,
    FAX TEXT, MAIL TEXT, CAMPO TEXT, NVOLIN INTEGER, NUMVOL INTEGER, CFISC TEXT, SPEC TEXT,
    DATA1 TEXT, DATAU TEXT, RESP TEXT, TELRESP TEXT, NOTE3 TEXT);
insert into ASSO (CODASS, DENOM, INDIR, CITTA, NVOLIN, NUMVOL) values
    ('001', 'ALFA SOCCORSO', 'VIA ROMA 1', 'FORLÌ', 5, 2),
    ('002', 'BETA', NULL, 'CESENA', 1, 0);

-- file emervol-access.mdb
-- The volunteers, the columns in another order and one more the desk does
-- not know.
create table EMERVOL (COGNOME TEXT, NOME TEXT, CODVOL TEXT, DENOM TEXT, TESSERA TEXT, CAMPO TEXT,
    TENDA TEXT, SPEC TEXT, DATAAR TEXT, ORAAR TEXT, DATAPA TEXT, ORAPA TEXT);
insert into EMERVOL values
    ('ROSSI', 'MARIO', '0010001', 'ALFA SOCCORSO', 'T-1', 'CAMPO 1', 'A1', 'CUOCO', '02/01/2024',
        '08:30', NULL, NULL),
    ('D''ANGELO', 'LUCÌA', '0010002', 'ALFA SOCCORSO', NULL, 'CAMPO 1', 'A2', NULL, '02/01/2024',
        '09:00', '03/01/2024', '18:00');

-- file emervol-doppio-access.mdb
-- The same volunteer code twice.
create table EMERVOL (CODVOL TEXT, DENOM TEXT, COGNOME TEXT, NOME TEXT, CAMPO TEXT, TENDA TEXT,
    SPEC TEXT, DATAAR TEXT, ORAAR TEXT, DATAPA TEXT, ORAPA TEXT);
insert into EMERVOL (CODVOL, DENOM, COGNOME, NOME) values
    ('0010001', 'ALFA SOCCORSO', 'ROSSI', 'MARIO'),
    ('0010001', 'ALFA SOCCORSO', 'BIANCHI', 'LUCA');

-- file stor-access.mdb
-- The history archive the national coordinator sends.
create table STOR (CODASS TEXT, CODVOL TEXT, DENOM TEXT, COGN TEXT, NOME TEXT, INDIR TEXT,
    CAP TEXT, CITTA TEXT, PROV TEXT, TEL TEXT, FAX TEXT, MAIL TEXT, SPEC TEXT);
insert into STOR (CODASS, CODVOL, DENOM, COGN, NOME, CITTA, SPEC) values
    ('000123', '0001230007', 'GAMMA', 'VERDI', 'ANNA', 'RIMINI', 'MEDICO'),
    ('000123', '0001230008', 'GAMMA', 'NERI', 'PAOLO', NULL, NULL);
