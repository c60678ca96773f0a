#include "storm/storm_files.h"

#include "support/synthetic_exports.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QByteArray Header = "Datum;Zeit;Dauer;Strecke;Arbeit;Höhe;TSS;HF;Leistung;Kadenz\n"
                          "-;-;[h];[km];[kcal];[m];-;[1/min];[W];[1/min]\n"
                          "Kind;0;1;2;0;6;8;0;0;0;5;0;4;0;7;0;3;9\n";
// Keeps the rows above it clear of the trailer the loader never reads.
const QByteArray Trailer = QByteArray(240, '#').append('\n');

QByteArray RandomBytes(std::mt19937& random, int size)
{
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(random() & 0xff);
    return bytes;
}

} // namespace

TStormFiles::TStormFiles(std::mt19937& random)
{
    for (const QFileInfo& entry :
         QDir(QStringLiteral(KALDORO_SOURCE_DIR "/samples")).entryInfoList({QStringLiteral("*.csv")}, QDir::Files))
        good_ << entry.absoluteFilePath();
    const QDir real(QStringLiteral(KALDORO_REALDATA_DIR));
    for (const QString& folder : real.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& entry : QDir(real.filePath(folder)).entryInfoList({QStringLiteral("*.csv")}, QDir::Files))
            good_ << entry.absoluteFilePath();
    WriteBadFiles(random);
    exports_ << temp_.Write(QStringLiteral("activities.csv"), SyntheticExports::Strava(2, 60).text)
             << temp_.Write(QStringLiteral("workouts.csv"), SyntheticExports::TrainingPeaks(2, 40).text)
             << bad_.front() << good_.front();
}

void TStormFiles::WriteBadFiles(std::mt19937& random)
{
    const auto write = [this](const char* name, const QByteArray& bytes) {
        bad_ << temp_.Write(QString::fromLatin1(name), bytes);
    };
    write("garbage.csv", RandomBytes(random, 6000));
    write("empty.csv", {});
    write("header_only.csv", Header);
    write("newlines.csv", QByteArray(3000, '\n'));
    write("long_line.csv", Header + "20110101;08:00;" + QByteArray(200000, '7') + ";\n" + Trailer);
    write("odd_values.csv", Header
                                + "20110101;08:00;01:00:00;-1e40;3e38;-5;nan;inf;-inf;1e308;\n"
                                  "20110102;08:00;9999999:59:59;-0,5;;;;;;;\n"
                                  "20110102;09:00;-01:00:00;1e-320;-3e38;0;0;0;0;0;\n"
                                + Trailer);
    write("one_negative_day.csv", Header + "20110301;08:00;01:00:00;-12;-300;-40;-9;-120;-200;-80;\n" + Trailer);
    write("bad_dates.csv", Header
                               + "00000000;08:00;01:00:00;1;1;1;1;1;1;1;\n"
                                 "99999999;08:00;01:00:00;1;1;1;1;1;1;1;\n"
                                 "20111399;08:00;01:00:00;1;1;1;1;1;1;1;\n"
                                 "-0010103;08:00;01:00:00;1;1;1;1;1;1;1;\n"
                                 "2011;\n"
                               + Trailer);
    write("wild_kinds.csv", "A;B;C\n-;-;-\nKind;99;-5;100000;2147483647;-2147483648;abc;;;\n"
                                + QByteArray("20110101;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24;"
                                             "25;26;27;28;29;30;31;32;33;34;35;36;37;38;39;40;\n")
                                + Trailer);
    write("binary.csv", Header + RandomBytes(random, 2000).replace('\n', '\0') + Trailer);
    bad_ << temp_.PathOf(QStringLiteral("missing.csv"));
    QDir(temp_.PathOf(QString())).mkdir(QStringLiteral("folder.csv"));
    bad_ << temp_.PathOf(QStringLiteral("folder.csv"));
}
