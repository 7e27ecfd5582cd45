#include "data/password.h"

#include "platform/ui/seams.h"

namespace varnel {

namespace {

// The password in scrambled form.
const char scrambledPassword[] = "\xb6\x83\xcd\xa3\x84\xca\xa6\x82";

}  // namespace

QString unscrambleString(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        const int code = (text[i].unicode() & 0xFF) ^ (255 - 2 * position);
        out += QChar(code & 0xFF);
    }
    return out;
}

QString databaseConnectString()
{
    return QStringLiteral(";pwd=") + unscrambleString(QString::fromLatin1(scrambledPassword));
}

std::unique_ptr<dao::Database> openProductDatabase(const QString& path)
{
    // The first opening of a Jet file converts it, which a person may notice: the pointer says so
    // while the file opens, and is as before afterwards, whatever the outcome.
    platform::MousePointer& pointer = *platform::seams().mousePointer;
    const platform::Pointer before = pointer.current();
    pointer.set(platform::Pointer::Hourglass);
    struct Restore {
        platform::MousePointer& pointer;
        platform::Pointer before;
        ~Restore() { pointer.set(before); }
    } restore{pointer, before};
    return dao::Workspace::defaultWorkspace().openDatabase(path, false, false, databaseConnectString());
}

void showIncorrectPassword()
{
    platform::tellFailure(platform::MessageIcon::Critical, QStringLiteral("Incorrect password"),
                          QStringLiteral("The database which has been selected does not have the correct password.\n\n"
                                         "Please contact Mardane."));
}

}  // namespace varnel
