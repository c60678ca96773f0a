// Our FIT decoder on real files of several devices, on a file built here in
// both byte orders with a compressed timestamp and a developer field, and on
// files it must refuse.
#include "app/import/fit_decoder.h"
#include "support/import_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

std::string Bytes(const char* name)
{
    QFile file(TestData("fit/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

TEST(FitDecoder, ReadsTheSessionsOfRealFiles)
{
    struct TCase
    {
        const char* file;
        std::size_t sessions;
        int sport;
        double metres;
        double timer; // s, 0: not checked
    };
    const TCase cases[] = {
        {"2013-02-06-12-11-14.fit", 1, 1, 4835, 2625},
        {"2015-10-13-08-43-15.fit", 1, 2, 11536, 1558},
        {"garmin-fenix-5-run.fit", 1, 1, 158, 0},
        {"garmin-edge-820-bike.fit", 1, 2, 457, 0},
        {"elemnt-bolt-no-application-id-inside-developer-data-id.fit", 1, 2, 964, 0},
        {"sample_mulitple_header.fit", 5, 5, 1645, 0},
    };
    for (const TCase& c : cases) {
        std::vector<TFitSession> sessions;
        for (const TFitFile& file : FitDecoder::Decode(Bytes(c.file))) {
            if (file.fileType == 4)
                sessions.insert(sessions.end(), file.sessions.begin(), file.sessions.end());
        }
        ASSERT_EQ(sessions.size(), c.sessions) << c.file;
        EXPECT_EQ(sessions[0].sport, c.sport) << c.file;
        EXPECT_NEAR(sessions[0].distanceMetres, c.metres, 1.0) << c.file;
        if (c.timer > 0)
            EXPECT_NEAR(sessions[0].timerSeconds, c.timer, 1.0) << c.file;
    }
    const auto monitoring = FitDecoder::Decode(Bytes("MonitoringFile.fit"));
    ASSERT_EQ(monitoring.size(), 1U);
    EXPECT_EQ(monitoring[0].fileType, 32);
}

TEST(FitDecoder, RefusesTruncatedAndDamagedFiles)
{
    std::string wrongCrc = Bytes("garmin-fenix-5-run.fit");
    wrongCrc[200] = static_cast<char>(wrongCrc[200] ^ 0x40);
    const std::pair<std::string, const char*> refused[] = {
        {Bytes("activity-unexpected-eof.fit"), "abgeschnitten"},
        {Bytes("strava-android-app-201.10-b1218918.fit"), "abgeschnitten"},
        {wrongCrc, "Prüfsumme"},
        {"plain text, no FIT at all", "keine FIT-Datei"},
    };
    for (const auto& [bytes, why] : refused) {
        try {
            FitDecoder::Decode(bytes);
            ADD_FAILURE() << why;
        } catch (const TFitError& error) {
            EXPECT_TRUE(error.Text().contains(QString::fromUtf8(why))) << error.Text().toStdString();
        }
    }
}

std::uint16_t Crc(const std::string& bytes)
{
    std::uint16_t crc = 0;
    for (const unsigned char c : bytes) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

// A record in little-endian order gives the full time; the session, in
// big-endian order with a developer field, comes with a compressed
// timestamp 10 s later and no start of its own: it started its elapsed time before.
TEST(FitDecoder, ReadsBothByteOrdersCompressedTimesAndSkipsDeveloperFields)
{
    const std::string records = std::string("\x41\0\0\x14\0\x01\xFD\x04\x86", 9) // local 1: record, LE
        + std::string("\x01\x00\xCA\x9A\x3B", 5)                                // time 1,000,000,000
        + std::string("\x60\0\1\0\x12\x03\x07\x04\x86\x09\x04\x86\x05\x01\x00\x01\x00\x02\x00", 19)
        + std::string("\x8A\x00\x36\xEE\x80\x00\x0F\x42\x40\x01\xAB\xCD", 12); // 3,600,000 ms, 1,000,000 cm, running
    std::string fit = std::string("\x0E\x20\x00\x08", 4);
    const auto size = static_cast<std::uint32_t>(records.size());
    for (int i = 0; i < 4; ++i)
        fit += static_cast<char>((size >> (8 * i)) & 0xFF);
    fit += std::string(".FIT\0\0", 6) + records;
    const std::uint16_t crc = Crc(fit);
    fit += static_cast<char>(crc & 0xFF);
    fit += static_cast<char>(crc >> 8);
    const auto files = FitDecoder::Decode(fit + fit); // chained twice
    ASSERT_EQ(files.size(), 2U);
    ASSERT_EQ(files[1].sessions.size(), 1U);
    const TFitSession& s = files[1].sessions[0];
    EXPECT_EQ(s.startTime, 1000000000U + 10 - 3600);
    EXPECT_EQ(s.sport, 1);
    EXPECT_DOUBLE_EQ(s.distanceMetres, 10000.0);
    EXPECT_DOUBLE_EQ(s.timerSeconds, 0.0);
}

} // namespace
