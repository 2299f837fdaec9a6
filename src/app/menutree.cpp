#include "menutree.h"

#include "mainwindow.h"

const QList<MenuItem>& menuTree()
{
    static const QList<MenuItem> tree {
        { "mnass", "Associazioni", "", nullptr },
        { "mnassv", "Visualizza", "mnass", nullptr },
        { "mnassvel", "Elenco associazioni", "mnassv", &MainWindow::mnassvelClicked },
        { "mnassiniz", "Numero volontari ", "mnassv", &MainWindow::mnassinizClicked },
        { "mnassa", "Aggiornamento", "mnass", nullptr },
        { "mnassins", "Inserimento", "mnassa", &MainWindow::mnassinsClicked },
        { "mnassmod", "Modifica", "mnassa", &MainWindow::mnassmodClicked },
        { "mnassnum", "Agg. automatico numero volontari", "mnassa", &MainWindow::mnassnumClicked },
        { "mnassann", "Annullamento", "mnassa", &MainWindow::mnassannClicked },
        { "mnpartenza", "Partenza di associazioni", "mnass", nullptr },

        { "mnvol", "Volontari", "", nullptr },
        { "mnvolv", "Visualizza", "mnvol", nullptr },
        { "mnvolvel", "Elenco generale volontari", "mnvolv", &MainWindow::mnvolvelClicked },
        { "mnvolvass", "Volontari di una associazione", "mnvolv", &MainWindow::mnvolvassClicked },
        { "mnvolvpre", "Volontari presenti", "mnvolv", nullptr },
        { "mnvolvce", "Cerca volontari", "mnvolv", &MainWindow::mnvolvceClicked },
        { "mnvola", "Aggiorna", "mnvol", nullptr },
        { "mnvolainsm", "Inserimento manuale", "mnvola", &MainWindow::mnvolainsmClicked },
        { "mnvolainss", "Inserimento da storico", "mnvola", &MainWindow::mnvolainssClicked },
        { "mninsmult", "Inserimento multiplo da storico", "mnvola", nullptr },
        { "mnvolainsb", "Inserimento tramite codice a barre", "mnvola", &MainWindow::mnvolainsbClicked },
        { "mnvolamod", "Modifica", "mnvola", &MainWindow::mnvolamodClicked },
        { "mnvolaann", "Annullamento", "mnvola", &MainWindow::mnvolaannClicked },

        { "mnauto", "Automezzi", "", nullptr },
        { "mnautov", "Visualizza", "mnauto", nullptr },
        { "mnautoa", "Aggiorna", "mnauto", nullptr },
        { "mnautoains", "Inserimento", "mnautoa", nullptr },
        { "mnautoamod", "Modifica", "mnautoa", nullptr },
        { "mnautoaann", "Annullamento", "mnautoa", nullptr },

        { "mnspe", "Specializzazioni", "", nullptr },
        { "mnspev", "Visualizza", "mnspe", nullptr },
        { "mnspevel", "Elenco specializzazioni", "mnspev", nullptr },
        { "mnspevspe", "Ricerca spesialisti", "mnspev", nullptr },
        { "mnspea", "Aggiornamento", "mnspe", nullptr },

        { "mnemergenza", "Emergenza", "", &MainWindow::mnemergenzaClicked },

        { "mnpas", "Pass", "", nullptr },
        { "mnpasst", "Stampa pass", "mnpas", &MainWindow::mnpasstClicked },
        { "mnpassetup", "Setup stampa pass", "mnpas", &MainWindow::mnpassetupClicked },

        { "mnatt", "Attestati", "", nullptr },
        { "mnattsass", "Stampa attestati di associazione", "mnatt", &MainWindow::mnattsassClicked },
        { "mnattsvol", "Stampa attestati volontari", "mnatt", &MainWindow::mnattsvolClicked },

        { "mnsto", "Storico", "", nullptr },
        { "mnstoagg", "Aggiornamento storico volontari", "mnsto", nullptr },
        { "mnaggstotalpex", "Agg. storico da TALPEX", "mnsto", nullptr },

        { "mncar", "Porta carraia", "", nullptr },
        { "mnregcar", "Registra passaggi", "mncar", nullptr },
        { "mnriccar", "Ricerca passaggi", "mncar", nullptr },

        { "mnsalva", "Salva", "", nullptr },

        { "mnripristina", "Ripristina", "", nullptr },
        { "mnriprip", "Ripristina archivi salvati", "mnripristina", nullptr },
        { "mnripazz", "Azzeramento archivi", "mnripristina", nullptr },

        { "mncompdb", "Compatta Data Base", "", nullptr },
        { "mnfine", "Fine", "", &MainWindow::mnfineClicked },
        { "mnhelp", "?", "", &MainWindow::mnhelpClicked },
    };
    return tree;
}
