// The Jet reader itself, run in this process on the input as a Jet file's bytes, so that the
// fuzzer sees the reader's own paths (the pages, the table checks, the long values) and those of
// libmdb beneath it. Whatever the bytes, the conversion ends, within the run's time and memory
// (the options beside this file), either with a copy or with the reason the file is refused;
// a read past a page or a buffer is the address sanitizer's to find. Leaks are not looked for:
// libmdb leaks a property that a damaged file names twice, which the child program, ended after
// one file, never feels.
//
// Input: the file's bytes as they are; the seeds are the public sample files and the finds that
// made libmdb loop, kept as the first 38 pages of the Jet 4 sample with one block of the catalog's
// properties damaged: a property of length 0, and a record shorter than its head.

#include "jet_reader.h"
#include "support/fuzz_support.h"

#include <QByteArray>
#include <exception>
#include <sqlite3.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    sqlite3* copy = nullptr;
    FUZZ_CHECK(sqlite3_open(":memory:", &copy) == SQLITE_OK, "an empty copy opens");
    try {
        jetconvert::convert(bytes, copy);
    } catch (const jetconvert::ConversionError& error) {
        FUZZ_CHECK(!error.reason().isEmpty(), "a refusal says its reason");
    } catch (const std::exception& error) {
        fuzzing::fail("no failure but the reader's refusal", error.what());
    }
    sqlite3_close(copy);
    return 0;
}
