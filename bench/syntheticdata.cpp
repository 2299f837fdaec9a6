#include "syntheticdata.h"

#include <QStringList>

namespace {

const char* const surnames[] = { "ROSSI", "RUSSO", "FERRARI", "ESPOSITO", "BIANCHI", "ROMANO",
    "COLOMBO", "RICCI", "MARINO", "GRECO", "BRUNO", "GALLO", "CONTI", "DE LUCA", "MANCINI", "COSTA",
    "GIORDANO", "RIZZO", "LOMBARDI", "MORETTI", "BARBIERI", "FONTANA", "SANTORO", "MARIANI",
    "RINALDI", "CARUSO", "FERRARA", "GALLI", "MARTINI", "LEONE", "LONGO", "GENTILE", "MARTINELLI",
    "VITALE", "LOMBARDO", "SERRA", "COPPOLA", "DE SANTIS", "D'ANGELO", "MARCHETTI", "PARISI",
    "VILLA", "CONTE", "FERRO", "FABBRI", "BIANCO", "MARINI", "GRASSO", "VALENTINI", "MESSINA",
    "SALA", "DE ANGELIS", "GATTI", "PELLEGRINI", "PALUMBO", "SANNA", "FARINA", "RIZZI", "MONTI",
    "CATTANEO", "MORELLI", "AMATO", "SILVESTRI", "MAZZA", "TESTA", "GRASSI", "PELLEGRINO",
    "CARBONE", "GIULIANI", "BENEDETTI", "BARONE", "ROSSETTI", "CAPUTO", "MONTANARI", "GUERRA",
    "PALMIERI", "BERNARDI", "MARTINO", "FIORE", "DE ROSA", "FERRI", "LUCCHESI", "BELLINI", "BASILE",
    "RIVA", "DONATI", "PIRAS", "VITALI", "BATTAGLIA", "SARTORI", "NERI", "COSTANTINI", "MILANI",
    "PAGANO", "RUGGIERO", "SORRENTINO", "D'AMICO", "ORLANDO", "DAMICO", "NEGRI" };

const char* const givenNames[]
    = { "MARCO", "GIUSEPPE", "FRANCESCO", "ANTONIO", "ALESSANDRO", "ANDREA", "LUCA", "GIOVANNI",
          "ROBERTO", "STEFANO", "ANGELO", "PAOLO", "VINCENZO", "MARIO", "LUIGI", "SALVATORE",
          "DAVIDE", "MATTEO", "SIMONE", "FEDERICO", "MARIA", "ANNA", "GIUSEPPINA", "ROSA", "ANGELA",
          "GIOVANNA", "TERESA", "LUCIA", "CARMELA", "CATERINA", "FRANCESCA", "SARA", "CHIARA",
          "GIULIA", "ELENA", "PAOLA", "LAURA", "SILVIA", "VALENTINA", "FEDERICA", "MONICA", "ELISA",
          "MARTINA", "ALESSIA", "BARBARA", "CRISTINA", "DANIELA", "ROBERTA", "MARINA", "ILARIA" };

struct PlaceRow
{
    const char* city;
    const char* province;
    const char* postCode;
};

const PlaceRow places[] = { { "TORINO", "TO", "10121" }, { "MILANO", "MI", "20121" },
    { "GENOVA", "GE", "16121" }, { "VENEZIA", "VE", "30121" }, { "BOLOGNA", "BO", "40121" },
    { "FIRENZE", "FI", "50121" }, { "ROMA", "RM", "00184" }, { "NAPOLI", "NA", "80121" },
    { "BARI", "BA", "70121" }, { "PALERMO", "PA", "90121" }, { "CAGLIARI", "CA", "09121" },
    { "TRENTO", "TN", "38121" }, { "UDINE", "UD", "33100" }, { "ANCONA", "AN", "60121" },
    { "PERUGIA", "PG", "06121" }, { "L'AQUILA", "AQ", "67100" }, { "POTENZA", "PZ", "85100" },
    { "CATANZARO", "CZ", "88100" }, { "AOSTA", "AO", "11100" }, { "BERGAMO", "BG", "24121" },
    { "BRESCIA", "BS", "25121" }, { "VERONA", "VR", "37121" }, { "PADOVA", "PD", "35121" },
    { "MODENA", "MO", "41121" }, { "PARMA", "PR", "43121" }, { "PISA", "PI", "56121" },
    { "LUCCA", "LU", "55100" }, { "SIENA", "SI", "53100" }, { "AREZZO", "AR", "52100" },
    { "PESCARA", "PE", "65121" }, { "SALERNO", "SA", "84121" }, { "LECCE", "LE", "73100" },
    { "MESSINA", "ME", "98121" }, { "CATANIA", "CT", "95121" }, { "SASSARI", "SS", "07100" },
    { "NOVARA", "NO", "28100" }, { "CUNEO", "CN", "12100" }, { "ASTI", "AT", "14100" },
    { "PAVIA", "PV", "27100" }, { "COMO", "CO", "22100" } };

const char* const groupKinds[] = { "GRUPPO COMUNALE PROTEZIONE CIVILE", "MISERICORDIA DI",
    "PUBBLICA ASSISTENZA", "CROCE VERDE", "ASSOCIAZIONE NAZIONALE ALPINI SEZ.",
    "VOLONTARI ANTINCENDIO BOSCHIVO", "RADIOAMATORI EMERGENZA", "GRUPPO CINOFILO SOCCORSO",
    "CORPO VOLONTARI SOCCORSO", "NUCLEO PROTEZIONE CIVILE" };

const char* const streets[] = { "VIA ROMA", "VIA GARIBALDI", "VIA MAZZINI", "CORSO ITALIA",
    "VIA CAVOUR", "PIAZZA DEL POPOLO", "VIA DANTE", "VIA VERDI", "VIALE EUROPA",
    "VIA DELLA REPUBBLICA", "VIA MATTEOTTI", "VIA XX SETTEMBRE", "VIA DEI MILLE", "VIA MARCONI" };

const char* const specializations[] = { "AUTISTA", "AUTISTA MEZZI PESANTI", "CUOCO", "AIUTO CUOCO",
    "ELETTRICISTA", "IDRAULICO", "MURATORE", "INFERMIERE", "MEDICO", "RADIOOPERATORE", "LOGISTICA",
    "SEGRETERIA", "CINOFILO", "" };

template <typename T, std::size_t Size> constexpr int count(const T (&)[Size])
{
    return int(Size);
}

} // namespace

SyntheticData::SyntheticData(quint32 seed)
    : m_random(seed)
{
}

QString SyntheticData::surname()
{
    return QString::fromUtf8(surnames[below(count(surnames))]);
}

QString SyntheticData::givenName()
{
    return QString::fromUtf8(givenNames[below(count(givenNames))]);
}

SyntheticData::Place SyntheticData::place()
{
    return placeOf(below(count(places)));
}

SyntheticData::Place SyntheticData::placeOf(int index)
{
    const PlaceRow& row = places[index % count(places)];
    return { QString::fromUtf8(row.city), QString::fromLatin1(row.province),
        QString::fromLatin1(row.postCode) };
}

QString SyntheticData::street()
{
    return QStringLiteral("%1 %2")
        .arg(QString::fromUtf8(streets[below(count(streets))]))
        .arg(1 + below(180));
}

QString SyntheticData::phone()
{
    return QStringLiteral("3%1 %2").arg(20 + below(80)).arg(1000000 + below(9000000));
}

QString SyntheticData::mail(const QString& user)
{
    QString name = user.toLower();
    name.remove(QLatin1Char(' '));
    name.remove(QLatin1Char('\''));
    return name + QStringLiteral("@esempio.it");
}

QString SyntheticData::specialization()
{
    return QString::fromLatin1(specializations[below(count(specializations))]);
}

QString SyntheticData::date()
{
    return QStringLiteral("%1/%2/20%3")
        .arg(1 + below(28), 2, 10, QLatin1Char('0'))
        .arg(1 + below(12), 2, 10, QLatin1Char('0'))
        .arg(10 + below(15));
}

QString SyntheticData::time()
{
    return QStringLiteral("%1:%2")
        .arg(below(24), 2, 10, QLatin1Char('0'))
        .arg(below(60), 2, 10, QLatin1Char('0'));
}

QString SyntheticData::taxCode()
{
    QString code;
    for (int i = 0; i < 11; ++i)
        code += QLatin1Char(char('0' + below(10)));
    return code;
}

QString SyntheticData::associationName(int index)
{
    const int kinds = count(groupKinds);
    const int towns = count(places);
    const QString base = QStringLiteral("%1 %2").arg(
        QString::fromUtf8(groupKinds[index % kinds]), placeOf((index / kinds) % towns).city);
    const int round = index / (kinds * towns);
    return round == 0 ? base : QStringLiteral("%1 - SEZIONE %2").arg(base).arg(round + 1);
}
