#pragma once
// The database password as a file keeps it: a random salt and the SHA-256 digest of the salt
// followed by the password's UTF-8 bytes, in a one-row table that the database layer hides.
// The password itself is never stored.

#include <QByteArray>
#include <QString>

namespace dao::password {

inline constexpr const char* tableName = "dao_password";  // columns salt BLOB, digest BLOB

QByteArray newSalt();
QByteArray digest(const QByteArray& salt, const QString& password);

// The password of a connect string such as ";pwd=secret" (key in any letter case); empty when
// the string names none.
QString fromConnect(const QString& connect);

}  // namespace dao::password
