#pragma once
// What the fuzz targets share: the input as text, a broken property reported as a crash (libFuzzer
// then saves the input), and a Qt application on the offscreen platform for targets that need one.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

// The input bytes read as UTF-8; invalid sequences become U+FFFD.
QString utf8Text(const std::uint8_t* data, std::size_t size);
// Whether the bytes are well-formed UTF-8 (so that reading them as text loses nothing).
bool isValidUtf8(std::string_view bytes);

// Prints the property and the values that break it, then aborts.
[[noreturn]] void fail(const char* property, const std::string& detail);

// The QApplication of the process, created on the offscreen platform on first use, with
// settings, runtime and cache directories of its own so that no run touches the user's files.
void ensureApplication();

// A directory of the process's own, removed at exit.
QString scratchDirectory();
// The directory "data" in the scratch directory, that holds nothing but the file written there.
QString dataDirectory();
// Writes `bytes` as the file `name` of the data directory and returns its path.
QString writeDataFile(const QString& name, const QByteArray& bytes);

}  // namespace fuzzing

// Checks a property; the detail (any expression giving std::string or QString) is built only when
// the property fails.
#define FUZZ_CHECK(condition, explanation)                                      \
    do {                                                                        \
        if (!(condition))                                                       \
            ::fuzzing::fail(#condition, ::fuzzing::detail::toStd(explanation)); \
    } while (false)

namespace fuzzing::detail {
inline std::string toStd(const std::string& s) { return s; }
inline std::string toStd(const QString& s) { return s.toStdString(); }
inline std::string toStd(const char* s) { return s; }
}  // namespace fuzzing::detail
