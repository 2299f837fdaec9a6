#pragma once

#include <QDate>
#include <QString>

// The state every window and shared routine shares, under the names the desk
// has always used. Values stay short texts: modes ("I", "GV", ...), scan
// status ("0" start, "1" first record, "2" following record, "9" no more),
// flags ("S"/"N").
struct Globals
{
    // Operating modes handed from the menu and the lists to the windows.
    QString modoass;
    QString modolistass;
    QString modovol;
    QString modolistvol;
    QString modoauto;
    QString modostampavol;
    QString conddate; // "6" certificates with dates, "7" without

    // Scan status and check result.
    QString esitoass;
    QString esitovol;
    QString esitostor;
    QString esitoauto;
    QString esitocontrollo; // "0" valid, "1" invalid

    // Search keys.
    QString cercaass;
    QString denomass; // "*" stands for every association where a window offers it
    QString codasscerca;
    QString codvolcerca;
    QString codvolemer;
    QString assscelta;

    // Date check input and output.
    QString testodata;
    QDate valoredata;

    QString nomeemergenza;
    QString primoavvio; // "0" after start-up, "1" once the emergency name was asked
    QString rigastampa;
    QString contarighe;
    QString storpieno; // "S" when the history archive held a record at start-up
    QString percorso1;
    QString percorso2;
    QString prossimocodice;

    // The program folder and the working files in it.
    QString cartellaapp;
    QString cartellabackup; // the program folder kept for the backups
    QString fileemergenza;
    QString filespec;
    QString filemotivi;
    QString filepassvol;
    QString filesetpass;
    QString fileprotciv;
    QString fileprossass;
    QString fileprossvol;
};
