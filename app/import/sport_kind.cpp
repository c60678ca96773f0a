#include "app/import/sport_kind.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <utility>

namespace SportKinds {
namespace {

struct TKindNames
{
    TSportKind kind;
    const char* name;
    const char* title;
    // Activity types as the services write them, in English, German,
    // French, Italian, Spanish, Portuguese and Dutch, and Garmin's type keys.
    std::initializer_list<const char*> types;
    // Word beginnings that name the kind in a type not listed above
    // ("Bergauf-Laufen", "Gravel Bike Tour").
    std::initializer_list<const char*> stems;
};

const std::array<TKindNames, KindCount> Kinds = {{
    {TSportKind::Running, "running", QT_TRANSLATE_NOOP("SportKinds", "Laufen"),
     {"Run", "Running", "Trail Run", "Trail Running", "Virtual Run", "Virtual Running", "Treadmill Running",
      "Treadmill", "Track Running", "Indoor Running", "Street Running", "Ultra Running", "Jogging",
      "treadmill_running", "trail_running", "street_running", "indoor_running", "track_running", "virtual_run",
      "Laufen", "Laufbandtraining", "Laufen auf der Bahn", "Lauf", "Trailrun", "Trailrunning", "Traillauf",
      "Virtueller Lauf", "Virtuelles Laufen", "Indoor-Laufen", "Straßenlauf", "Ultralauf", "Bahnlauf", "Laufband",
      "Berglauf", "Crosslauf", "Waldlauf", "Geländelauf", "Orientierungslauf", "Hallenlauf",
      "Course à pied", "Course", "Course à pied sur tapis roulant", "Course sur tapis roulant", "Tapis de course",
      "Trail", "Course sur piste", "Course virtuelle", "Course en salle", "Course sur route", "Ultra-trail",
      "Corsa", "Corsa su tapis roulant", "Tapis roulant", "Corsa su pista", "Corsa in pista", "Corsa virtuale",
      "Corsa su sentiero", "Corsa indoor", "Corsa su strada",
      "Carrera", "Correr", "Carrera en cinta", "Cinta de correr", "Carrera en pista", "Carrera virtual",
      "Carrera por montaña", "Carrera de montaña", "Carrera en interior", "Carrera en carretera",
      "Corrida", "Corrida em esteira", "Corrida em trilhas", "Corrida em trilha", "Corrida na pista",
      "Corrida em pista", "Corrida virtual", "Corrida em local fechado", "Corrida de rua", "Esteira",
      "Hardlopen", "Hardloop", "Loopband", "Hardlopen op loopband", "Baanlopen", "Virtuele hardloop",
      "Virtueel hardlopen", "Indoor hardlopen", "Hardlopen op de weg"},
     {"run", "lauf", "jog", "treadmill", "trail", "course", "corsa", "carrera", "corrida", "hardlo"}},
    {TSportKind::Cycling, "cycling", QT_TRANSLATE_NOOP("SportKinds", "Radfahren"),
     {"Ride", "Virtual Ride", "E-Bike Ride", "Mountain Bike Ride", "E-Mountain Bike Ride", "Gravel Ride",
      "Velomobile", "Handcycle", "Cycling", "Road Cycling", "Road Biking", "Indoor Cycling", "Virtual Cycling",
      "Mountain Biking", "Gravel Cycling", "Gravel/Unpaved Cycling", "Cyclocross", "Track Cycling", "E-Bike",
      "E-Bike Fitness", "E-Mountain Bike", "Bike", "Mountain Bike", "Spinning", "Bike Commute", "BMX",
      "Recumbent Cycling", "Hand Cycling", "road_biking", "mountain_biking", "indoor_cycling", "virtual_ride",
      "gravel_cycling", "e_bike_fitness", "e_bike_mountain", "track_cycling", "recumbent_cycling",
      "Radfahrt", "Virtuelle Radfahrt", "E-Bike-Fahrt", "Mountainbike-Fahrt", "E-Mountainbike-Fahrt",
      "Gravel-Fahrt", "Velomobil", "Radfahren", "Rennradfahren", "Rennrad", "Indoor-Radfahren",
      "Virtuelles Radfahren", "Mountainbiken", "Mountainbike", "Gravel Bike", "Schotterradfahren",
      "Bahnradfahren", "E-Mountainbike", "Handbike",
      "Sortie à vélo", "Vélo", "Vélo virtuel", "Sortie vélo virtuelle", "Vélo électrique",
      "Sortie en vélo électrique", "VTT", "Sortie VTT", "VTT électrique", "Gravel", "Sortie gravel", "Vélomobile",
      "Cyclisme", "Cyclisme sur route", "Cyclisme virtuel", "Cyclisme en salle", "Cyclisme sur piste",
      "Vélo d'intérieur", "Home trainer", "Cyclo-cross", "Vélo couché",
      "Giro in bici", "Giro in bici virtuale", "Giro in e-bike", "Giro in mountain bike", "Giro in gravel",
      "Ciclismo", "Ciclismo su strada", "Ciclismo virtuale", "Ciclismo indoor", "Ciclismo al chiuso", "Bici",
      "Bicicletta", "Ciclocross",
      "Bicicleta", "Ciclismo virtual", "Ciclismo en carretera", "Ciclismo en interior", "Ciclismo en sala",
      "Ciclismo de montaña", "Bicicleta de montaña", "Bicicleta eléctrica", "Bicicleta de montaña eléctrica",
      "Bicicleta virtual", "Ciclismo de gravel", "Ciclocrós", "Salida en bici",
      "Ciclismo em local fechado", "Ciclismo em estradas", "Ciclismo em estrada", "Ciclismo na montanha",
      "Ciclismo de montanha", "Pedalada", "Pedalada virtual", "Pedalada de bicicleta elétrica",
      "Bicicleta elétrica", "Pedalada de mountain bike", "Pedalada de gravel", "Ciclismo gravel",
      "Fietsrit", "Virtuele fietsrit", "E-bikerit", "Mountainbikerit", "Gravelrit", "Fietsen", "Wegfietsen",
      "Wielrennen", "Indoor fietsen", "Virtueel fietsen", "Mountainbiken", "Gravelfietsen", "Baanwielrennen",
      "Veldrijden", "Ligfiets"},
     {"ride", "cycl", "bike", "biking", "mountainbik", "gravel", "rad", "rennrad", "velo", "vélo", "vtt", "cicl", "bici",
      "pedal", "fiets", "wielren", "spinning"}},
    {TSportKind::Swimming, "swimming", QT_TRANSLATE_NOOP("SportKinds", "Schwimmen"),
     {"Swim", "Swimming", "Pool Swimming", "Lap Swimming", "Open Water Swimming", "Open Water Swim",
      "lap_swimming", "open_water_swimming",
      "Schwimmen", "Schwimmbadschwimmen", "Beckenschwimmen", "Freiwasserschwimmen", "Schwimmen im Freiwasser",
      "Hallenschwimmen", "Freibadschwimmen",
      "Natation", "Natation en piscine", "Natation en eau libre",
      "Nuoto", "Nuoto in piscina", "Nuoto in acque libere",
      "Natación", "Natación en piscina", "Natación en aguas abiertas",
      "Natação", "Natação em piscina", "Natação em alto mar", "Natação em águas abertas",
      "Zwemmen", "Zwembadzwemmen", "Zwemmen in zwembad", "Openwaterzwemmen", "Zwemmen in open water"},
     {"swim", "schwimm", "natation", "nata", "nuot", "zwem"}},
    {TSportKind::Walking, "walking", QT_TRANSLATE_NOOP("SportKinds", "Gehen und Wandern"),
     {"Walk", "Walking", "Hike", "Hiking", "Casual Walking", "Speed Walking", "Indoor Walking", "Nordic Walking",
      "casual_walking", "speed_walking",
      "Spaziergang", "Gehen", "Wandern", "Wanderung", "Zügiges Gehen", "Indoor-Gehen", "Bergwandern",
      "Bergwanderung",
      "Marche", "Randonnée", "Marche rapide", "Marche nordique", "Randonnée pédestre",
      "Camminata", "Passeggiata", "Escursione", "Escursionismo", "Camminata veloce",
      "Caminata", "Caminar", "Paseo", "Senderismo", "Excursionismo", "Marcha nórdica", "Marcha rápida",
      "Caminhada", "Trilha", "Caminhada rápida", "Trekking", "Caminhada nórdica",
      "Wandeling", "Wandelen", "Wandeltocht", "Hiken", "Snelwandelen"},
     {"walk", "hike", "hiking", "wander", "wandel", "spazier", "gehen", "marche", "randonn", "camin", "sender",
      "escurs", "passegg", "trek"}},
    // Types whose words would be taken for another kind.
    {TSportKind::Other, "other", QT_TRANSLATE_NOOP("SportKinds", "Sonstige"),
     {"Ski de randonnée", "Randonnée à ski", "Backcountry Ski", "Ski Touring", "Skitour", "Swimrun"},
     {}},
}};

// Case, '_' and '-' do not tell types apart: "E-Bike" is "e_bike" is "e bike".
QString Normalised(const QString& sport)
{
    QString text = sport.toCaseFolded();
    for (QChar& c : text)
        if (c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('/'))
            c = QLatin1Char(' ');
    return text.simplified();
}

const QHash<QString, TSportKind>& KnownTypes()
{
    static const QHash<QString, TSportKind> known = [] {
        QHash<QString, TSportKind> types;
        for (const TKindNames& kind : Kinds)
            for (const char* type : kind.types)
                types.insert(Normalised(QString::fromUtf8(type)), kind.kind);
        return types;
    }();
    return known;
}

// The first word of the type that begins like a kind's word decides.
std::optional<TSportKind> KindByStem(const QString& normalised)
{
    for (const QString& word : normalised.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        for (const TKindNames& kind : Kinds)
            for (const char* stem : kind.stems)
                if (word.startsWith(QString::fromUtf8(stem)))
                    return kind.kind;
    return std::nullopt;
}

const TKindNames& Names(TSportKind kind) { return Kinds[std::size_t(kind)]; }

} // namespace

TSportKind KindOf(const QString& sport)
{
    const QString normalised = Normalised(sport);
    if (const auto known = KnownTypes().constFind(normalised); known != KnownTypes().constEnd())
        return *known;
    return KindByStem(normalised).value_or(TSportKind::Other);
}

QString Name(TSportKind kind) { return QString::fromUtf8(Names(kind).name); }

QString Title(TSportKind kind) { return QCoreApplication::translate("SportKinds", Names(kind).title); }

std::optional<TSportKind> FromName(const QString& name)
{
    for (const TKindNames& kind : Kinds)
        if (name.compare(QString::fromUtf8(kind.name), Qt::CaseInsensitive) == 0)
            return kind.kind;
    return std::nullopt;
}

} // namespace SportKinds
