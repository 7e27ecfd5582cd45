#include "platform/dao/password.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringList>

namespace dao::password {

QByteArray newSalt()
{
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return salt;
}

QByteArray digest(const QByteArray& salt, const QString& password)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(salt);
    hash.addData(password.toUtf8());
    return hash.result();
}

QString fromConnect(const QString& connect)
{
    const QStringList parts = connect.split(u';');
    for (const QString& part : parts)
        if (part.startsWith(QLatin1String("pwd="), Qt::CaseInsensitive))
            return part.mid(4);
    return {};
}

}  // namespace dao::password
