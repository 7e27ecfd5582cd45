// Jet files opened through the database layer: the converted tables of the public samples, the
// database password in the header, damaged copies run through the real converter program, the
// converter's failures, and the cache of converted copies.

#include "platform/dao/dao.h"
#include "platform/dao/jet_file.h"
#include "support/fixture_database.h"
#include "support/jet_samples.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::unique_ptr<dao::Database> open(const QString& path, const QString& password = {})
{
    return dao::Workspace::defaultWorkspace().openDatabase(path, false, false, QStringLiteral(";pwd=") + password);
}

QStringList column(dao::Database& db, const QString& sql, int index = 0)
{
    QStringList values;
    auto rs = db.openRecordset(sql);
    for (; !rs->eof(); rs->moveNext())
        values << rs->field(index).toString();
    return values;
}

QStringList cachedCopies()
{
    return QDir(dao::jet::cacheDirectory()).entryList({QStringLiteral("*.sqlite")}, QDir::Files);
}

class JetFile : public ::testing::Test {
protected:
    void SetUp() override { QDir(dao::jet::cacheDirectory()).removeRecursively(); }

    // A copy of a sample in the test's directory, its bytes changed by `change`.
    template <typename Change>
    QString copy(const QString& sample, const QString& name, Change change)
    {
        QByteArray bytes = readBytes(jetSample(sample));
        change(bytes);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }
    QString copy(const QString& sample, const QString& name = {})
    {
        return copy(sample, name.isEmpty() ? sample : name, [](QByteArray&) {});
    }

    QTemporaryDir dir;
};

TEST_F(JetFile, Jet3TablesKeepTheirNamesColumnsAndRowCounts)
{
    auto db = open(copy("nwind.mdb"));
    QStringList tables = db->tableNames();
    tables.sort();
    EXPECT_EQ(tables, QStringList({"Categories", "Customers", "Employees", "Order Details", "Orders", "Products",
                                   "Shippers", "Suppliers", QStringLiteral("Ums\u00e4tze")}));
    const struct {
        const char* table;
        int rows;
    } counts[] = {{"Orders", 830},  {"Order Details", 2155}, {"Products", 77}, {"Customers", 91},
                  {"Employees", 9}, {"Suppliers", 29},       {"Categories", 8}, {"Shippers", 3}};
    for (const auto& c : counts)
        EXPECT_EQ(db->openRecordset(QString::fromLatin1(c.table))->recordCount(), c.rows) << c.table;
    EXPECT_EQ(db->openRecordset(QStringLiteral("Ums\u00e4tze"))->recordCount(), 830);

    auto products = db->openRecordset(QStringLiteral("Products"));
    QStringList names;
    for (int i = 0; i < products->fieldCount(); ++i)
        names << products->fieldName(i);
    EXPECT_EQ(names, QStringList({"ProductID", "ProductName", "SupplierID", "CategoryID", "QuantityPerUnit", "UnitPrice",
                                  "UnitsInStock", "UnitsOnOrder", "ReorderLevel", "Discontinued"}));
}

TEST_F(JetFile, RowsComeInTheirStoredOrderNotTheKeysOrder)
{
    auto db = open(copy("nwind.mdb"));
    const QStringList ids = column(*db, QStringLiteral("SELECT OrderID FROM Orders"));
    ASSERT_EQ(ids.size(), 830);
    EXPECT_EQ(ids.mid(0, 3), QStringList({"10330", "10331", "10332"}));
    EXPECT_EQ(ids.last(), "11077");
    EXPECT_EQ(column(*db, QStringLiteral("Orders")).mid(0, 3), ids.mid(0, 3));
}

TEST_F(JetFile, ValuesKeepTheirTypesAndNull)
{
    auto db = open(copy("nwind.mdb"));
    auto chai = db->openRecordset(QStringLiteral("SELECT * FROM Products WHERE ProductID = 1"));
    ASSERT_EQ(chai->recordCount(), 1);
    auto order = db->openRecordset(QStringLiteral("SELECT * FROM Orders WHERE OrderID = 11077"));
    auto employee = db->openRecordset(QStringLiteral("SELECT * FROM Employees WHERE EmployeeID = 1"));
    auto details = db->openRecordset(QStringLiteral("SELECT * FROM [Order Details] WHERE OrderID = 10248"));
    const struct {
        const char* what;
        dao::Value value;
        int type;
        QString text;
    } cases[] = {
        {"long integer", chai->field("ProductID"), QMetaType::LongLong, "1"},
        {"text", chai->field("ProductName"), QMetaType::QString, "Chai"},
        {"currency", chai->field("UnitPrice"), QMetaType::Double, "18"},
        {"integer", chai->field("UnitsInStock"), QMetaType::LongLong, "39"},
        {"Boolean", chai->field("Discontinued"), QMetaType::Bool, "False"},
        {"date", order->field("OrderDate"), QMetaType::QString, "1996-06-05 00:00:00"},
        {"currency with cents", order->field("Freight"), QMetaType::Double, "8.53"},
        {"single", details->field("Discount"), QMetaType::Double, "0"},
        {"OLE picture", employee->field("Photo"), QMetaType::QByteArray, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.variant().typeId(), c.type) << c.what;
        if (!c.text.isNull()) {
            EXPECT_EQ(c.value.toString(), c.text) << c.what;
        }
    }
    EXPECT_GT(employee->field("Photo").variant().toByteArray().size(), 10000);
    EXPECT_TRUE(order->field("ShippedDate").isNull());
    auto wilman = db->openRecordset(QStringLiteral("SELECT Region, Fax, City FROM Customers WHERE CustomerID = \"WILMK\""));
    EXPECT_TRUE(wilman->field("Region").isNull());
    EXPECT_FALSE(wilman->field("Fax").isNull());
    EXPECT_EQ(db->openRecordset(QStringLiteral("SELECT * FROM Customers WHERE Region IS NULL"))->recordCount(), 60);
}

TEST_F(JetFile, BooleansAreMinusOneAndZero)
{
    auto db = open(copy("nwind.mdb"));
    const QStringList discontinued = {"Chef Anton's Gumbo Mix", "Mishi Kobe Niku", "Alice Mutton",
                                      QStringLiteral("Guaran\u00e1 Fant\u00e1stica"), QStringLiteral("R\u00f6ssle Sauerkraut"),
                                      QStringLiteral("Th\u00fcringer Rostbratwurst"), "Singaporean Hokkien Fried Mee",
                                      "Perth Pasties"};
    EXPECT_EQ(column(*db, QStringLiteral("SELECT ProductName FROM Products WHERE Discontinued = -1")), discontinued);
    EXPECT_EQ(column(*db, QStringLiteral("SELECT ProductName FROM Products WHERE Discontinued = TRUE")), discontinued);
    EXPECT_EQ(db->openRecordset(QStringLiteral("SELECT * FROM Products WHERE Discontinued = 0"))->recordCount(), 69);
    auto mishi = db->openRecordset(QStringLiteral("SELECT Discontinued FROM Products WHERE ProductID = 9"));
    EXPECT_EQ(mishi->field(0).toLongLong(), -1);
    EXPECT_EQ(mishi->field(0).toString(), "True");
}

TEST_F(JetFile, MemoAndNonAsciiTextReadWhole)
{
    auto db = open(copy("nwind.mdb"));
    EXPECT_EQ(column(*db, QStringLiteral("SELECT Notes FROM Employees WHERE EmployeeID = 1")),
              QStringList({"Education includes a BA in psychology from Colorado State University in 1970.  She also "
                           "completed \"The Art of the Cold Call.\"  Nancy is a member of Toastmasters International."}));
    EXPECT_EQ(column(*db, QStringLiteral("SELECT Description FROM Categories")).first(),
              "Soft drinks, coffees, teas, beers, and ales");
    EXPECT_EQ(column(*db, QStringLiteral("SELECT CompanyName FROM Customers WHERE CustomerID = \"OCEAN\"")),
              QStringList({QStringLiteral("Oc\u00e9ano Atl\u00e1ntico Ltda.")}));
    EXPECT_EQ(column(*db, QStringLiteral("SELECT CompanyName FROM Customers WHERE City = \"Helsinki\"")),
              QStringList({"Wilman Kala"}));
    // Text compares without regard to case, as in our own files.
    EXPECT_EQ(column(*db, QStringLiteral("SELECT CustomerID FROM Customers WHERE City = \"HELSINKI\"")),
              QStringList({"WILMK"}));
}

TEST_F(JetFile, Jet4DatesReadAsTheEngineKeepsThem)
{
    auto db = open(copy("DateTestDatabase.mdb"));
    auto rs = db->openRecordset(QStringLiteral("DateTest"));
    const QStringList expected[] = {
        {"1", "2021-12-02 00:00:00", "2021-12-02 00:00:00", "2021-12-02 00:00:00", "Hello", "Hello"},
        {"2", "9999-01-01 00:00:00", "9999-01-01 00:00:00", "9999-01-01 00:00:00", "Year 9999", "Year 1999"},
        {"3", "1898-01-01 00:00:00", "1899-01-01 00:00:00", "1900-01-01 00:00:00", "Pre-1900 years", "Pre-1900 years"},
        {"4", "0632-01-01 00:00:00", "0633-01-01 00:00:00", "0634-01-01 00:00:00", "Pre-1000 years", "Pre-1000 years"},
    };
    ASSERT_EQ(rs->recordCount(), 6);
    for (const QStringList& row : expected) {
        QStringList values;
        for (int i = 0; i < rs->fieldCount(); ++i)
            values << rs->field(i).toString();
        EXPECT_EQ(values, row);
        rs->moveNext();
    }
    EXPECT_EQ(column(*db, QStringLiteral("SELECT LongTextCol FROM DateTest WHERE IDCol = 6")), QStringList({"New line\r\nin field"}));
    EXPECT_EQ(column(*db, QStringLiteral("SELECT IDCol FROM DateTest WHERE DateTimeCol < \"1900\" ORDER BY DateTimeCol")),
              QStringList({"4", "3"}));
}

TEST_F(JetFile, APasswordInTheHeaderIsCheckedLikeOurOwn)
{
    const struct {
        const char* sample;
        const char* password;
    } cases[] = {{"nwind.mdb", "Kx4Tq9Wm"},
                 {"DateTestDatabase.mdb", "Kx4Tq9Wm"},
                 {"DateTestDatabase.mdb", "Kx\u0100Tq9W"},  // a character whose low byte is 0 ends nothing
                 {"DateTestDatabase.mdb", "Kx\U0001D465q"},  // a character beyond the Basic Multilingual Plane
                 {"nwind.mdb", "s"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sample);
        const QString path = copy(c.sample, QStringLiteral("locked-%1").arg(c.sample),
                                  [&](QByteArray& bytes) { setJetPassword(bytes, c.password); });
        EXPECT_NO_THROW(open(path, c.password));
        EXPECT_EQ(errorOf([&] { open(path, "kx4tq9wm"); }).number(), dao::WrongPassword);
        EXPECT_EQ(errorOf([&] { open(path, {}); }).number(), dao::WrongPassword);
    }
    EXPECT_NO_THROW(open(copy("nwind.mdb"), "any"));
}

TEST_F(JetFile, TheJetFileIsNeverWritten)
{
    const QString path = copy("nwind.mdb");
    QFile::setPermissions(path, QFile::ReadOwner);
    const QDateTime modified = QFileInfo(path).lastModified();
    auto db = open(path);
    column(*db, QStringLiteral("SELECT * FROM Orders ORDER BY ShipCity"));
    db->close();
    EXPECT_EQ(readBytes(path), readBytes(jetSample("nwind.mdb")));
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

// The page of the sample that holds a text, for damaging a page the tables need.
int pageHolding(const QByteArray& file, const QByteArray& text, int pageSize)
{
    return static_cast<int>(file.indexOf(text) / pageSize);
}

void fillPage(QByteArray& bytes, int page, int pageSize, bool random)
{
    QRandomGenerator generator(page);
    for (int i = page * pageSize; i < (page + 1) * pageSize; ++i)
        bytes[i] = random ? static_cast<char>(generator.bounded(256)) : '\0';
}

TEST_F(JetFile, DamagedCopiesEndInAClearErrorWithoutCrashingTheProgram)
{
    const QByteArray sample = readBytes(jetSample("nwind.mdb"));
    const int pageSize = 2048;
    const int productsPage = pageHolding(sample, "Mishi Kobe Niku", pageSize);
    ASSERT_GT(productsPage, 2);
    const struct {
        const char* name;
        std::function<void(QByteArray&)> damage;
        const char* reason;
    } cases[] = {
        {"two-pages.mdb", [&](QByteArray& b) { b.truncate(2 * pageSize); }, "truncated"},
        {"half.mdb", [&](QByteArray& b) { b.truncate(b.size() / 2); }, "damaged"},
        {"page-boundary.mdb", [&](QByteArray& b) { b.truncate(700 * pageSize); }, "damaged"},
        {"mid-page.mdb", [&](QByteArray& b) { b.truncate(700 * pageSize + 100); }, "truncated"},
        {"zeroed-header.mdb", [&](QByteArray& b) { fillPage(b, 0, pageSize, false); }, "not a database file"},
        {"zeroed-catalog.mdb", [&](QByteArray& b) { fillPage(b, 2, pageSize, false); }, "damaged"},
        {"zeroed-data.mdb", [&](QByteArray& b) { fillPage(b, productsPage, pageSize, false); }, "'Products'"},
        {"random-catalog.mdb", [&](QByteArray& b) { fillPage(b, 2, pageSize, true); }, "damaged"},
        {"random-data.mdb", [&](QByteArray& b) { fillPage(b, productsPage, pageSize, true); }, "'Products'"},
        // The page of the last part of a picture of Categories, and one of the catalog's own long values.
        {"zeroed-long-value.mdb", [&](QByteArray& b) { fillPage(b, 30, pageSize, false); }, "'Picture' in row 1 of the table 'Categories'"},
        {"zeroed-catalog-value.mdb", [&](QByteArray& b) { fillPage(b, 736, pageSize, false); }, "'MSysObjects'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = copy("nwind.mdb", c.name, c.damage);
        const dao::Error error = errorOf([&] { open(path); });
        EXPECT_EQ(error.number(), dao::UnrecognisedFormat);
        EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(c.reason)) << error.description().toStdString();
    }
    EXPECT_TRUE(cachedCopies().isEmpty()) << "a failed conversion leaves no copy";
}

TEST_F(JetFile, RandomPagesAnywhereEitherConvertOrGiveTheFormatError)
{
    const QByteArray sample = readBytes(jetSample("nwind.mdb"));
    const int pageSize = 2048;
    QRandomGenerator pick(20240611);
    for (int n = 0; n < 16; ++n) {
        const int page = static_cast<int>(pick.bounded(sample.size() / pageSize));
        SCOPED_TRACE(page);
        const QString path = copy("nwind.mdb", QStringLiteral("random-%1.mdb").arg(n),
                                  [&](QByteArray& b) { fillPage(b, page, pageSize, true); });
        const dao::Error error = errorOf([&] { open(path)->tableNames(); });
        EXPECT_TRUE(error.number() == 0 || error.number() == dao::UnrecognisedFormat) << error.description().toStdString();
    }
}

class FakeConverter : public JetFile {
protected:
    QString script(const QString& name, const QString& body)
    {
        const QString path = dir.filePath(name);
        writeBytes(path, ("#!/bin/sh\n" + body + '\n').toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
};

TEST_F(FakeConverter, EveryWayTheConverterFailsIsReportedAndLeavesTheTargetAsItWas)
{
    const QString jet = copy("nwind.mdb");
    const QString target = dir.filePath(QStringLiteral("target.sqlite"));
    const struct {
        const char* what;
        dao::jet::Converter converter;
        int error;
        const char* reason;
    } cases[] = {
        {"crash", {script("crash.sh", "kill -SEGV $$"), 5000}, dao::UnrecognisedFormat, "damaged: reading it broke off"},
        {"time limit", {script("slow.sh", "exec sleep 10"), 300}, dao::UnrecognisedFormat, "did not finish within 0.3 seconds"},
        {"no reason", {script("mute.sh", "exit 1"), 5000}, dao::UnrecognisedFormat, "reading it broke off"},
        {"cannot write", {script("full.sh", "echo 'varnel_jetconvert: disk full' >&2; exit 2"), 5000}, dao::CannotOpen,
         "converted copy cannot be written: disk full"},
        {"junk copy", {script("junk.sh", "echo junk > \"$2\""), 5000}, dao::UnrecognisedFormat, "came out damaged"},
        {"missing program", {dir.filePath(QStringLiteral("none")), 5000}, dao::CannotOpen, "cannot be started"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeBytes(target, "older"));
        const dao::Error error = errorOf([&] { dao::jet::convertFile(jet, target, c.converter); });
        EXPECT_EQ(error.number(), c.error);
        EXPECT_TRUE(error.description().contains(jet)) << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(c.reason)) << error.description().toStdString();
        EXPECT_EQ(readBytes(target), "older");
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral(".target*")}, QDir::Files | QDir::Hidden), QStringList());
    }
}

TEST_F(FakeConverter, TheChildsOwnReasonIsTheMessage)
{
    const QString jet = copy("nwind.mdb");
    const dao::jet::Converter converter{
        script("no.sh", "echo 'varnel_jetconvert: earlier' >&2; echo 'varnel_jetconvert: the file says no' >&2; echo "
                        "'library noise' >&2; exit 1"),
        5000};
    EXPECT_EQ(errorOf([&] { dao::jet::convertFile(jet, dir.filePath("t"), converter); }).description(),
              QStringLiteral("Unrecognized database format '%1': the file says no.").arg(jet));
}

TEST_F(JetFile, TheDefaultConverterLiesBesideTheProgram)
{
    const dao::jet::Converter converter = dao::jet::defaultConverter();
    EXPECT_EQ(QFileInfo(converter.program).fileName(), "varnel_jetconvert");
    EXPECT_TRUE(QFileInfo(converter.program).isExecutable());
    EXPECT_EQ(converter.timeLimitMs, dao::jet::conversionTimeLimitMs);
}

TEST_F(JetFile, ASecondOpenReusesTheCachedCopy)
{
    const QString path = copy("nwind.mdb");
    open(path)->close();
    const QStringList copies = cachedCopies();
    ASSERT_EQ(copies.size(), 1);
    const QString cached = QDir(dao::jet::cacheDirectory()).filePath(copies[0]);
    EXPECT_EQ(QFileInfo(cached).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0) << "for the person's eyes only";
    // An old time on the copy shows whether it is written again.
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000);
    QFile copyFile(cached);
    ASSERT_TRUE(copyFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(copyFile.setFileTime(old, QFileDevice::FileModificationTime));
    copyFile.close();

    EXPECT_EQ(open(path)->openRecordset(QStringLiteral("Orders"))->recordCount(), 830);
    EXPECT_EQ(cachedCopies(), copies);
    EXPECT_EQ(QFileInfo(cached).lastModified(), old);
}

TEST_F(JetFile, AChangedJetFileIsConvertedAgainAndItsOldCopyRemoved)
{
    const QString path = copy("nwind.mdb");
    open(path)->close();
    const QStringList before = cachedCopies();
    ASSERT_EQ(before.size(), 1);

    // The same size and, to the second, the same time: only the first pages tell the change.
    const QDateTime modified = QFileInfo(path).lastModified();
    QByteArray bytes = readBytes(path);
    setJetPassword(bytes, "Kx4Tq9Wm");
    ASSERT_TRUE(writeBytes(path, bytes));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(modified, QFileDevice::FileModificationTime);
    file.close();

    EXPECT_EQ(errorOf([&] { open(path); }).number(), dao::WrongPassword);
    EXPECT_NO_THROW(open(path, "Kx4Tq9Wm"));
    const QStringList after = cachedCopies();
    ASSERT_EQ(after.size(), 1);
    EXPECT_NE(after, before);
}

TEST_F(JetFile, LeftoversOfAConversionThatEndedWithItsProgramGoOnceOld)
{
    const QString path = copy("nwind.mdb");
    open(path)->close();
    const QString pathPart = cachedCopies().value(0).section(u'-', 0, 0);
    const QDir cache(dao::jet::cacheDirectory());
    const QString old = cache.filePath(QStringLiteral(".%1-0.sqlite.abcdef").arg(pathPart));
    const QString recent = cache.filePath(QStringLiteral(".%1-1.sqlite.ghijkl").arg(pathPart));
    const QString otherFile = cache.filePath(QStringLiteral(".0123-2.sqlite.mnopqr"));
    for (const QString& leftover : {old, recent, otherFile}) {
        ASSERT_TRUE(writeBytes(leftover, "part of a copy"));
        QFile file(leftover);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (leftover != recent)
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    QFile::remove(cache.filePath(cachedCopies().value(0)));
    open(path)->close();
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(recent)) << "a conversion may still be writing it";
    EXPECT_TRUE(QFile::exists(otherFile)) << "another file's leftovers wait for its own conversion";
}

TEST_F(JetFile, CopiesOfTwoFilesLiveSideBySide)
{
    open(copy("nwind.mdb"))->close();
    open(copy("DateTestDatabase.mdb"))->close();
    open(copy("nwind.mdb", "second.mdb"))->close();
    EXPECT_EQ(cachedCopies().size(), 3);
}

TEST_F(JetFile, ADamagedOrForeignCachedCopyIsReplaced)
{
    const QString path = copy("nwind.mdb");
    open(path)->close();
    const QString cached = QDir(dao::jet::cacheDirectory()).filePath(cachedCopies().value(0));
    const QByteArray good = readBytes(cached);
    const FixtureDatabase foreign(QStringLiteral("CREATE TABLE Orders (OrderID INTEGER); INSERT INTO Orders VALUES (1);"));
    QByteArray middleDamaged = good;
    for (int i = good.size() / 2; i < good.size() / 2 + 8192; ++i)
        middleDamaged[i] = static_cast<char>(0xA5);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"truncated", good.left(good.size() / 2)},
        {"damaged pages", middleDamaged},
        {"not a database", QByteArray(4096, 'x')},
        {"another SQLite file", readBytes(foreign.path())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeBytes(cached, c.bytes));
        auto db = open(path);
        EXPECT_EQ(db->openRecordset(QStringLiteral("Orders"))->recordCount(), 830);
        EXPECT_EQ(db->tableNames().size(), 9);
    }
}

TEST_F(JetFile, TheNewerEnginesFileConvertsWithItsTablesRowsAndTypes)
{
    auto db = open(copy("ASampleDatabase.accdb"));
    EXPECT_EQ(db->tableNames(), QStringList({"Asset Items"}));
    auto rs = db->openRecordset(QStringLiteral("Asset Items"));
    EXPECT_EQ(rs->recordCount(), 65);
    QStringList names;
    for (int i = 0; i < rs->fieldCount(); ++i)
        names << rs->fieldName(i);
    EXPECT_EQ(names, QStringList({"Asset No", "Asset Category", "Make", "Model", "Description", "Owner", "Serial No",
                                  "Acquired", "Cost", "Warranty", "Tax Scale", "Supplier No", "Comments"}));
    EXPECT_EQ(rs->field("Asset No").toString(), "30050");
    EXPECT_EQ(rs->field("Make").toString(), "GEO Rocket");
    EXPECT_EQ(rs->field("Acquired").toString(), "1997-09-02 00:00:00");
    EXPECT_EQ(rs->field("Cost").variant().typeId(), QMetaType::Double);
    EXPECT_EQ(rs->field("Cost").toDouble(), 1995.5);
    EXPECT_EQ(rs->field("Warranty").variant().typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs->field("Warranty").toLongLong(), 12);
    EXPECT_TRUE(rs->field("Comments").isNull());
}

TEST_F(JetFile, TheNewerEnginesEncryptionIsRefusedInPlainWords)
{
    const QString path = copy("ASampleDatabase.accdb", "encrypted.accdb",
                              [](QByteArray& bytes) { setMaskedBytes(bytes, 0x3e, QByteArray("\x01\x02\x03\x04", 4)); });
    const dao::Error error = errorOf([&] { open(path); });
    EXPECT_EQ(error.number(), dao::UnrecognisedFormat);
    EXPECT_EQ(error.description(), QStringLiteral("Unrecognized database format '%1': it is encrypted in the newer "
                                                  "engine's way, which is not read.")
                                       .arg(path));
}

}  // namespace
