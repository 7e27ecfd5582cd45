#pragma once
// The first page of a Jet (Access) database file: which engine wrote it, and the database
// password it carries. Bytes 0x18 onwards of the page are masked with a fixed pattern (126 bytes
// of it for Jet 3, 128 for later engines); from Jet 4 on the password is masked once more with the
// file's creation date.

#include <QByteArray>

namespace dao::jet {

enum class Engine { None, Jet3, Jet4, Ace };

// How many bytes of a file engineOf needs.
inline constexpr int headerLength = 0x15;

// The engine of a file that begins with `head`; None for a file that is no Jet or ACE database.
Engine engineOf(const QByteArray& head);

// The stored database password of a file whose first page is `firstPage`, in the file's own text
// encoding (a single-byte code page for Jet 3, UCS-2 for later engines) and up to the first NUL
// character; empty when the file has no password or the page is too short to hold one.
QByteArray passwordBytes(const QByteArray& firstPage, Engine engine);

}  // namespace dao::jet
