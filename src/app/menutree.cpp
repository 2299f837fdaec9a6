#include "menutree.h"

#include <QSet>

const QList<MenuItem>& menuTree()
{
    static const QList<MenuItem> tree {
        { "mnass", "Associazioni", "" },
        { "mnassv", "Visualizza", "mnass" },
        { "mnassvel", "Elenco associazioni", "mnassv" },
        { "mnassiniz", "Numero volontari ", "mnassv" },
        { "mnassa", "Aggiornamento", "mnass" },
        { "mnassins", "Inserimento", "mnassa" },
        { "mnassmod", "Modifica", "mnassa" },
        { "mnassnum", "Agg. automatico numero volontari", "mnassa" },
        { "mnassann", "Annullamento", "mnassa" },
        { "mnpartenza", "Partenza di associazioni", "mnass" },

        { "mnvol", "Volontari", "" },
        { "mnvolv", "Visualizza", "mnvol" },
        { "mnvolvel", "Elenco generale volontari", "mnvolv" },
        { "mnvolvass", "Volontari di una associazione", "mnvolv" },
        { "mnvolvpre", "Volontari presenti", "mnvolv" },
        { "mnvolvce", "Cerca volontari", "mnvolv" },
        { "mnvola", "Aggiorna", "mnvol" },
        { "mnvolainsm", "Inserimento manuale", "mnvola" },
        { "mnvolainss", "Inserimento da storico", "mnvola" },
        { "mninsmult", "Inserimento multiplo da storico", "mnvola" },
        { "mnvolainsb", "Inserimento tramite codice a barre", "mnvola" },
        { "mnvolamod", "Modifica", "mnvola" },
        { "mnvolaann", "Annullamento", "mnvola" },

        { "mnauto", "Automezzi", "" },
        { "mnautov", "Visualizza", "mnauto" },
        { "mnautoa", "Aggiorna", "mnauto" },
        { "mnautoains", "Inserimento", "mnautoa" },
        { "mnautoamod", "Modifica", "mnautoa" },
        { "mnautoaann", "Annullamento", "mnautoa" },

        { "mnspe", "Specializzazioni", "" },
        { "mnspev", "Visualizza", "mnspe" },
        { "mnspevel", "Elenco specializzazioni", "mnspev" },
        { "mnspevspe", "Ricerca spesialisti", "mnspev" },
        { "mnspea", "Aggiornamento", "mnspe" },

        { "mnemergenza", "Emergenza", "" },

        { "mnpas", "Pass", "" },
        { "mnpasst", "Stampa pass", "mnpas" },
        { "mnpassetup", "Setup stampa pass", "mnpas" },

        { "mnatt", "Attestati", "" },
        { "mnattsass", "Stampa attestati di associazione", "mnatt" },
        { "mnattsvol", "Stampa attestati volontari", "mnatt" },

        { "mnsto", "Storico", "" },
        { "mnstoagg", "Aggiornamento storico volontari", "mnsto" },
        { "mnaggstotalpex", "Agg. storico da TALPEX", "mnsto" },

        { "mncar", "Porta carraia", "" },
        { "mnregcar", "Registra passaggi", "mncar" },
        { "mnriccar", "Ricerca passaggi", "mncar" },

        { "mnsalva", "Salva", "" },

        { "mnripristina", "Ripristina", "" },
        { "mnriprip", "Ripristina archivi salvati", "mnripristina" },
        { "mnripazz", "Azzeramento archivi", "mnripristina" },

        { "mncompdb", "Compatta Data Base", "" },
        { "mnfine", "Fine", "" },
        { "mnhelp", "?", "" },
    };
    return tree;
}

bool isMenuCommand(const QString& name)
{
    static const QSet<QString> commands = [] {
        QSet<QString> parents;
        for (const MenuItem& item : menuTree())
            parents.insert(QString::fromLatin1(item.parent));
        QSet<QString> names;
        for (const MenuItem& item : menuTree())
            if (!parents.contains(QString::fromLatin1(item.name)))
                names.insert(QString::fromLatin1(item.name));
        return names;
    }();
    return commands.contains(name);
}
