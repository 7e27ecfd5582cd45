// The first page of a Jet file: the engine that wrote it and the database password it keeps,
// read from the public sample files and from copies whose password the test has set.

#include "platform/dao/jet_header.h"
#include "support/jet_samples.h"

#include <gtest/gtest.h>

using dao::jet::Engine;
using namespace testing_support;

namespace {

QByteArray firstPage(const char* sample) { return readBytes(jetSample(QString::fromLatin1(sample))).left(4096); }

QByteArray head(const QByteArray& signature, char version)
{
    QByteArray bytes(0x15, '\0');
    bytes[1] = 1;
    bytes.replace(4, signature.size(), signature);
    bytes[0x14] = version;
    return bytes;
}

}  // namespace

TEST(JetHeader, TheEngineFollowsSignatureAndVersionByte)
{
    const struct {
        const char* what;
        QByteArray bytes;
        Engine engine;
    } cases[] = {
        {"Jet 3 sample", firstPage("nwind.mdb"), Engine::Jet3},
        {"Jet 4 sample", firstPage("DateTestDatabase.mdb"), Engine::Jet4},
        {"ACE sample", firstPage("ASampleDatabase.accdb"), Engine::Ace},
        {"Jet signature, newer version byte", head("Standard Jet DB", 3), Engine::Ace},
        {"ACE signature", head("Standard ACE DB", 2), Engine::Ace},
        {"one byte short", head("Standard Jet DB", 0).left(0x14), Engine::None},
        {"not a header page", head("Standard Jet DB", 0).replace(0, 1, "\x01"), Engine::None},
        {"other signature", head("Standard Jet XX", 0), Engine::None},
        {"SQLite file", QByteArray("SQLite format 3\0\x10\0\x01\x01\0\x40\x20\x20", 24), Engine::None},
        {"empty", QByteArray(), Engine::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dao::jet::engineOf(c.bytes), c.engine) << c.what;
}

TEST(JetHeader, SamplesWithoutPasswordGiveNone)
{
    for (const char* sample : {"nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"}) {
        const QByteArray page = firstPage(sample);
        EXPECT_TRUE(dao::jet::passwordBytes(page, dao::jet::engineOf(page)).isEmpty()) << sample;
    }
}

TEST(JetHeader, APasswordSetInTheHeaderIsReadBackInTheFilesEncoding)
{
    // Jet 3 keeps the file's code page, later engines UCS-2; up to 20 characters, the longest
    // ending without a NUL.
    const struct {
        const char* sample;
        QString password;
    } cases[] = {
        {"nwind.mdb", "Kx4Tq9Wm"},
        {"nwind.mdb", "a"},
        {"nwind.mdb", "twenty-characters-ok"},
        {"nwind.mdb", QStringLiteral("caf\u00e9")},
        {"DateTestDatabase.mdb", "Kx4Tq9Wm"},
        {"DateTestDatabase.mdb", QStringLiteral("\u00e9t\u00e9")},
        {"DateTestDatabase.mdb", "twenty-characters-ok"},
        {"ASampleDatabase.accdb", "Kx4Tq9Wm"},
    };
    for (const auto& c : cases) {
        QByteArray page = firstPage(c.sample);
        setJetPassword(page, c.password);
        const Engine engine = dao::jet::engineOf(page);
        const QByteArray expected = engine == Engine::Jet3
                                      ? c.password.toLatin1()
                                      : QByteArray(reinterpret_cast<const char*>(c.password.utf16()), c.password.size() * 2);
        EXPECT_EQ(dao::jet::passwordBytes(page, engine), expected) << c.sample << " " << c.password.toStdString();
    }
}

TEST(JetHeader, APageTooShortForThePasswordGivesNone)
{
    QByteArray jet3 = firstPage("nwind.mdb");
    setJetPassword(jet3, "secret");
    EXPECT_EQ(dao::jet::passwordBytes(jet3.left(0x56), Engine::Jet3), "secret");
    EXPECT_TRUE(dao::jet::passwordBytes(jet3.left(0x55), Engine::Jet3).isEmpty());
    QByteArray jet4 = firstPage("DateTestDatabase.mdb");
    setJetPassword(jet4, "secret");
    EXPECT_FALSE(dao::jet::passwordBytes(jet4.left(0x7a), Engine::Jet4).isEmpty());
    EXPECT_TRUE(dao::jet::passwordBytes(jet4.left(0x79), Engine::Jet4).isEmpty());
}
