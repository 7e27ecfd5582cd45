#pragma once
// The keys that stop a box's type-ahead. Once Delete, Backspace, Left or Right went down in the
// box, a change of its text (the key's own edit, or a paste from the box's menu that follows it
// without a key of its own) keeps the text as written, until another key goes down; after any
// other key the same change completes again.

#include "platform/ui/controls.h"

#include <QTest>
#include <gtest/gtest.h>

namespace testing_support {

// `typed`, and `typed` without its last character, each begin an entry of the box's pick list
// without being one.
inline void expectKeysStopTypeAhead(platform::ui::TextBox& box, const QString& typed)
{
    const QString shorter = typed.chopped(1);
    // Each paste differs from what the key left, so that it is a change.
    const auto paste = [&] {
        const QString text = box.text() == typed ? shorter : typed;
        box.setText(text);
        return text;
    };
    const struct {
        Qt::Key key;
        const char* name;
    } stops[] = {{Qt::Key_Delete, "Delete"}, {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Left, "Left"}, {Qt::Key_Right, "Right"}};
    for (const auto& stop : stops) {
        QTest::keyClick(&box, stop.key);
        const QString pasted = paste();
        EXPECT_EQ(box.text(), pasted) << "after " << stop.name;
    }
    QTest::keyClick(&box, Qt::Key_End);
    const QString pasted = paste();
    EXPECT_NE(box.text(), pasted) << "after End, which leaves the type-ahead on";
}

}  // namespace testing_support
