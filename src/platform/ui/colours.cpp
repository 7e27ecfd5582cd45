#include "platform/ui/colours.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// The palette roles of a system colour: the background and the text on it.
std::pair<QPalette::ColorRole, QPalette::ColorRole> rolesOf(SystemColour colour)
{
    switch (colour) {
    case SystemColour::ButtonFace: return {QPalette::Button, QPalette::ButtonText};
    case SystemColour::TooltipBackground: return {QPalette::ToolTipBase, QPalette::ToolTipText};
    case SystemColour::WindowBackground: break;
    }
    return {QPalette::Base, QPalette::Text};
}

// Controls that paint their own background rather than show their container's.
bool paintsOwnBackground(const QWidget& control)
{
    return control.autoFillBackground() || control.isWindow() || qobject_cast<const QLineEdit*>(&control)
           || qobject_cast<const QAbstractScrollArea*>(&control) || qobject_cast<const QPushButton*>(&control);
}

constexpr QPalette::ColorGroup allGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};
// Disabled text keeps the palette's grey, which is meant to recede.
constexpr QPalette::ColorGroup shownGroups[] = {QPalette::Active, QPalette::Inactive};

void fillOwnBackground(QWidget& control)
{
    if (!paintsOwnBackground(control))
        control.setAutoFillBackground(true);
}

}  // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& background, const QColor& text)
{
    if (contrast(text, background) >= leastContrast)
        return text;
    const bool lighter = contrast(Qt::white, background) > contrast(Qt::black, background);
    const QColor hsl = text.toHsl();
    const float hue = std::max(0.0f, hsl.hslHueF());  // an achromatic colour has none
    const float own = hsl.lightnessF();
    const float mirrored = 1.0f - own;
    // From the mirrored lightness (or its own, when that lies further out) to white or black.
    const float from = lighter ? std::max(own, mirrored) : std::min(own, mirrored);
    constexpr int steps = 20;
    for (int step = 0; step <= steps; ++step) {
        const float share = static_cast<float>(step) / steps;
        const float lightness = lighter ? from + (1.0f - from) * share : from * (1.0f - share);
        // In the eight bits a channel is drawn with.
        const QRgb drawn = QColor::fromHslF(hue, hsl.hslSaturationF(), lightness, hsl.alphaF()).rgba();
        const QColor candidate = QColor::fromRgba(drawn);
        if (contrast(candidate, background) >= leastContrast)
            return candidate;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor backgroundOf(const QWidget& control)
{
    const QWidget* w = &control;
    while (!paintsOwnBackground(*w) && w->parentWidget())
        w = w->parentWidget();
    return w->palette().color(w->backgroundRole());
}

void setBackColor(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    for (QPalette::ColorGroup group : allGroups)
        palette.setColor(group, control.backgroundRole(), colour);
    const QColor text = readableOn(colour, Qt::black);
    for (QPalette::ColorGroup group : shownGroups)
        palette.setColor(group, control.foregroundRole(), text);
    control.setPalette(palette);
    fillOwnBackground(control);
}

void setBackColor(QWidget& control, SystemColour colour)
{
    const QPalette system = QApplication::palette(&control);
    const auto [back, text] = rolesOf(colour);
    QPalette palette = control.palette();
    for (QPalette::ColorGroup group : allGroups) {
        palette.setColor(group, control.backgroundRole(), system.color(group, back));
        palette.setColor(group, control.foregroundRole(), system.color(group, text));
    }
    control.setPalette(palette);
    fillOwnBackground(control);
}

void setForeColor(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    const QColor shown = readableOn(backgroundOf(control), colour);
    for (QPalette::ColorGroup group : shownGroups)
        palette.setColor(group, control.foregroundRole(), shown);
    control.setPalette(palette);
}

}  // namespace platform::ui
