#include "platform/dao/dao.h"

#include "platform/vb.h"

namespace dao {

Error::Error(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

QString Value::toString() const
{
    if (isNull())
        return {};
    switch (v_.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return vb::CStr(v_.toDouble());
    default:
        return v_.toString();
    }
}

double Value::toDouble() const { return isNull() ? 0.0 : v_.toDouble(); }
long long Value::toLongLong() const { return isNull() ? 0 : v_.toLongLong(); }

bool Value::toBool() const
{
    if (isNull())
        return false;
    if (v_.typeId() == QMetaType::QString) {
        const QString t = v_.toString().trimmed();
        return t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0 || vb::Val(t) != 0;
    }
    return v_.toDouble() != 0;
}

Workspace& Workspace::defaultWorkspace()
{
    static Workspace workspace;
    workspace.open_ = true;
    return workspace;
}

std::unique_ptr<Database> Workspace::openDatabase(const QString& path, bool, bool, const QString&)
{
    throw Error(UnrecognisedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(path));
}

void Workspace::close() { open_ = false; }

QString literal(const QString& text)
{
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

}  // namespace dao
