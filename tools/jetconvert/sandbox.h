#pragma once
// What the converter child gives up before it reads a Jet file that came from somewhere else, so
// that a file made to break libmdb reaches nothing beyond the child's own copy: memory and a copy
// beyond their limits, and every call of the system but the few that reading the file it holds
// open and writing its copy need; among those refused, the network, starting programs, opening
// or changing any file, and other processes. A limit that stops the child ends it with exit status
// 1 and, as its last line on standard error, the reason after the program's prefix.

#include <QtGlobal>

namespace jetconvert {

// Whether this build carries the address sanitizer, whose shadow memory counts as heap: it keeps
// no memory limit, and allows the sanitizers their own calls (its leak check starts a process of
// its own at the end, and reads files).
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool addressSanitizer = true;
#elif defined(__has_feature)
inline constexpr bool addressSanitizer = __has_feature(address_sanitizer);
#else
inline constexpr bool addressSanitizer = false;
#endif

// Every line of the child for its parent begins so; the parent takes the last such line as the
// reason for a failure.
inline constexpr char reasonPrefix[] = "varnel_jetconvert: ";

// Limits the heap and the size of a file written to what converting a Jet file of `fileSize` bytes
// needs (or to the lower hard limits the process was given) and sets the filter that ends the
// process when it tries anything else. Raises ConversionError when the filter cannot be set.
void confine(qint64 fileSize);

// The reason a conversion that ran out of memory ends with: the limit that confine set.
const char* outOfMemoryReason();

}  // namespace jetconvert
