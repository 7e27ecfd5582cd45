#include "platform/dao/dao.h"

#include "platform/dao/connection.h"
#include "platform/dao/errors.h"
#include "platform/dao/jet_sql.h"
#include "platform/dao/password.h"
#include "platform/dao/snapshot.h"
#include "platform/vb.h"

namespace dao {

Error::Error(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

namespace detail {

Error tableNotFound(const QString& table)
{
    return Error(TableNotFound, QStringLiteral("The database engine cannot find the input table or query '%1'. "
                                               "Make sure it exists and that its name is spelled correctly.")
                                    .arg(table));
}

}  // namespace detail

QString Value::toString() const
{
    if (isNull())
        return {};
    switch (v_.typeId()) {
    case QMetaType::Bool:
        return v_.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return vb::CStr(v_.toDouble());
    default:
        return v_.toString();
    }
}

double Value::toDouble() const
{
    if (isNull())
        return 0.0;
    return isBoolean() ? (v_.toBool() ? -1.0 : 0.0) : v_.toDouble();
}

long long Value::toLongLong() const
{
    if (isNull())
        return 0;
    return isBoolean() ? (v_.toBool() ? -1 : 0) : v_.toLongLong();
}

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

namespace {

bool beginsWithSelect(const QString& text)
{
    const QString trimmed = text.trimmed();
    static const QString select = QStringLiteral("SELECT");
    return trimmed.startsWith(select, Qt::CaseInsensitive)
        && (trimmed.size() == select.size() || !(trimmed[select.size()].isLetterOrNumber() || trimmed[select.size()] == u'_'));
}

class FileDatabase final : public Database {
public:
    explicit FileDatabase(std::shared_ptr<detail::Connection> connection) : connection_(std::move(connection)) {}

    std::unique_ptr<Recordset> openRecordset(const QString& sqlOrTable) override
    {
        connection_->checkOpen();
        const QString table = connection_->findTable(sqlOrTable.trimmed());
        jet::Query query;
        if (!table.isEmpty()) {
            // Without an index SQLite reads the table in rowid order, the order of insertion.
            const QString rest = QStringLiteral(" FROM %1 NOT INDEXED").arg(jet::quoteName(table));
            query = {QStringLiteral("SELECT *") + rest, table, QStringLiteral("SELECT rowid") + rest};
        } else if (beginsWithSelect(sqlOrTable)) {
            query = jet::translateStatement(
                sqlOrTable,
                [this](const QString& name) {
                    const QString found = connection_->findTable(name);
                    return !found.isEmpty() && connection_->tableShape(found).rowids;
                },
                [this](const QString& name, const QString& column) {
                    const QString found = connection_->findTable(name);
                    return !found.isEmpty() && connection_->tableShape(found).uniqueColumns.contains(column, Qt::CaseInsensitive);
                });
        } else {
            throw detail::tableNotFound(sqlOrTable);
        }
        return detail::Snapshot::read(connection_, query, sqlOrTable);
    }

    QStringList tableNames() override
    {
        connection_->checkOpen();
        return connection_->tableNames();
    }

    QString name() const override { return connection_->path(); }
    void close() override { connection_->close(); }

private:
    std::shared_ptr<detail::Connection> connection_;
};

}  // namespace

Workspace& Workspace::defaultWorkspace()
{
    static Workspace workspace;
    workspace.open_ = true;
    return workspace;
}

std::unique_ptr<Database> Workspace::openDatabase(const QString& path, bool, bool, const QString& connect)
{
    if (!open_)
        throw Error(ObjectInvalid, QStringLiteral("Object invalid or no longer set: the workspace is closed."));
    auto connection = detail::Connection::open(path, password::fromConnect(connect));
    std::erase_if(databases_, [](const auto& weak) { return weak.expired(); });
    databases_.push_back(connection);
    return std::make_unique<FileDatabase>(std::move(connection));
}

void Workspace::close()
{
    for (const auto& weak : databases_)
        if (const auto connection = weak.lock())
            connection->close();
    databases_.clear();
    open_ = false;
}

bool meansUnreadableFile(const std::exception& error)
{
    const auto* failure = dynamic_cast<const Error*>(&error);
    return failure && (failure->number() == UnrecognisedFormat || failure->number() == CannotOpen);
}

QString literal(const QString& text)
{
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

}  // namespace dao
