#pragma once
// A database built from SQL text (SQLite's own SQL) in a temporary directory that lives as long
// as the fixture, optionally with a password, for tests of everything that reads a database.

#include "platform/dao/builder.h"

#include <QTemporaryDir>

namespace testing_support {

class FixtureDatabase {
public:
    explicit FixtureDatabase(const QString& sql, const QString& password = {},
                             const QString& fileName = QStringLiteral("fixture.mdb"))
        : path_(dir_.filePath(fileName))
    {
        dao::buildDatabase(path_, {{fileName, sql}}, password);
    }
    const QString& path() const { return path_; }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString path_;
};

}  // namespace testing_support
