#include "savedregisters.h"

#include "store/registers.h"

#include <QDir>

namespace SavedRegisters {

const QList<SavedRegister>& all()
{
    static const QList<SavedRegister> registers {
        { [](Registers& r) -> DataControl& { return r.Data3; }, QStringLiteral("asso.mdb"),
            QStringLiteral("asso"), QStringLiteral("assosalvo.mdb"),
            QStringLiteral("Archivio Associazioni"), QStringLiteral("Archivio Associazioni"),
            QStringLiteral("Ripristino l'archivio associazioni?"),
            QStringLiteral("Archivio Associazioni salvato."),
            QStringLiteral("Archivio Associazioni ripristinato.") },
        { [](Registers& r) -> DataControl& { return r.Data4; }, QStringLiteral("emervol.mdb"),
            QStringLiteral("emervol"), QStringLiteral("emervolsalvo.mdb"),
            QStringLiteral("Archivio Volontari"), QStringLiteral("Archivio Volontari"),
            QStringLiteral("Ripristino l'archivio volontari?"),
            QStringLiteral("Archivio Volontari salvato."),
            QStringLiteral("Archivio Volontari ripristinato.") },
        { [](Registers& r) -> DataControl& { return r.Data6; }, QStringLiteral("auto.mdb"),
            QStringLiteral("auto"), QStringLiteral("autosalvo.mdb"),
            QStringLiteral("Archivio Automezzi"), QStringLiteral("Archivio Automezzi"),
            QStringLiteral("Ripristino l'archivio automezzi?"),
            QStringLiteral("Archivio Automezzi salvato."),
            QStringLiteral("Archivio Automezzi ripristinato.") },
        { [](Registers& r) -> DataControl& { return r.Data8; }, QStringLiteral("car.mdb"),
            QStringLiteral("car"), QStringLiteral("carsalvo.mdb"),
            QStringLiteral("Archivio Passaggi carraia"), QStringLiteral("Passaggi Carraia"),
            QStringLiteral("Ripristino l'archivio passaggi carraia?"),
            QStringLiteral("Archivio Passaggi carraia salvato."),
            QStringLiteral("Archivio Passaggi Carraia ripristinato.") },
    };
    return registers;
}

QString sameFileMessage()
{
    return QStringLiteral(
        "Il nome dell'archivio salvato non può essere uguale al nome dell'archivio originale");
}

QString livePath(const Registers& registers, const SavedRegister& saved)
{
    return registers.g.cartellaapp + QLatin1Char('/') + saved.liveFile;
}

void reopen(Registers& registers, const SavedRegister& saved)
{
    QDir::setCurrent(registers.g.cartellaapp);
    DataControl& connection = saved.connection(registers);
    connection.setRecordSource(saved.recordSource);
    connection.refresh();
}

} // namespace SavedRegisters
