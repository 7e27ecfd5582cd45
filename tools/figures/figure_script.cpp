// Grammar, one command per line; blank lines and lines starting with '#' are skipped.
// Coordinates and sizes are pixels; a quoted text may hold blanks.
//
//   size W H                  first command: a white W x H image
//   pen WIDTH [COLOR]         outline width and colour (name or #rrggbb); starts 1 black
//   brush COLOR | none        fill of rect, ellipse and polygon; starts none
//   dash on | off             dashed outlines
//   font SIZE [bold]          text size in pixels
//   line X1 Y1 X2 Y2
//   arrow X1 Y1 X2 Y2         line with a head at the second point
//   dim X1 Y1 X2 Y2           dimension line: heads at both ends
//   rect X Y W H
//   ellipse X Y W H
//   arc X Y W H START SPAN    degrees, counter-clockwise from three o'clock
//   polygon X1 Y1 X2 Y2 X3 Y3 ...
//   hatch X Y W H             diagonal hatching inside the rectangle (weld metal)
//   text X Y "label"          left end of the baseline at X Y
//   ctext X Y "label"         baseline centred on X
#include "figure_script.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>

#include <cmath>
#include <memory>
#include <optional>

namespace {

constexpr int maxSide = 4000;

// Splits a line into words; a double-quoted run is one word without its quotes.
std::optional<QStringList> tokenize(const QString& line)
{
    QStringList words;
    int i = 0;
    const int n = line.size();
    while (i < n) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        if (line[i] == u'"') {
            const int end = line.indexOf(u'"', i + 1);
            if (end < 0)
                return std::nullopt;
            words << line.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        int end = i;
        while (end < n && !line[end].isSpace())
            ++end;
        words << line.mid(i, end - i);
        i = end;
    }
    return words;
}

// Reads one number within [low, high]; returns an error text, empty on success.
QString parseBounded(const QString& word, double low, double high, const char* what, double& value)
{
    bool ok = false;
    value = word.toDouble(&ok);
    if (ok && value >= low && value <= high)
        return {};
    return QStringLiteral("%1 must lie between %2 and %3").arg(QLatin1String(what)).arg(low).arg(high);
}

// Reads a colour name or #rrggbb; returns an error text, empty on success.
QString parseColour(const QString& word, QColor& colour)
{
    colour = QColor::fromString(word);
    return colour.isValid() ? QString() : QStringLiteral("unknown colour: %1").arg(word);
}

class Drawer {
public:
    // Runs one command; returns an error text, empty on success.
    QString run(const QStringList& words);
    QImage take() { painter_.reset(); return image_; }

private:
    QString numbers(const QStringList& words, int first, int count, QList<double>& out) const;
    QString requireImage() const;
    void arrowHead(const QPointF& from, const QPointF& tip);
    void hatch(const QRectF& box);

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    QPen pen_{Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
    QBrush brush_{Qt::NoBrush};
    QFont font_{QStringLiteral("DejaVu Sans")};
};

QString Drawer::numbers(const QStringList& words, int first, int count, QList<double>& out) const
{
    if (words.size() != first + count)
        return QStringLiteral("%1 takes %2 numbers").arg(words[0]).arg(count);
    for (int i = first; i < first + count; ++i) {
        bool ok = false;
        const double v = words[i].toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return QStringLiteral("not a number: %1").arg(words[i]);
        out << v;
    }
    return {};
}

QString Drawer::requireImage() const
{
    return painter_ ? QString() : QStringLiteral("the first command must be size");
}

void Drawer::arrowHead(const QPointF& from, const QPointF& tip)
{
    const QLineF shaft(tip, from);
    if (shaft.length() == 0)
        return;
    const double length = 6 + 2 * pen_.widthF();
    QLineF left = shaft;
    left.setLength(length);
    QLineF right = left;
    left.setAngle(shaft.angle() + 25);
    right.setAngle(shaft.angle() - 25);
    painter_->save();
    painter_->setPen(QPen(pen_.color(), pen_.widthF()));
    painter_->setBrush(pen_.color());
    painter_->drawPolygon(QPolygonF{tip, left.p2(), right.p2()});
    painter_->restore();
}

void Drawer::hatch(const QRectF& box)
{
    painter_->save();
    painter_->setClipRect(box);
    painter_->setPen(QPen(pen_.color(), 1));
    constexpr double step = 6;
    for (double x = box.left() - box.height(); x < box.right(); x += step)
        painter_->drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    painter_->restore();
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(box);
    painter_->setBrush(brush_);
}

QString Drawer::run(const QStringList& words)
{
    const QString& cmd = words[0];
    QList<double> v;
    QString err;
    if (cmd == u"size") {
        if (painter_)
            return QStringLiteral("size may be given once");
        if (!(err = numbers(words, 1, 2, v)).isEmpty())
            return err;
        if (v[0] < 1 || v[1] < 1 || v[0] > maxSide || v[1] > maxSide)
            return QStringLiteral("size must lie between 1 and %1").arg(maxSide);
        image_ = QImage(int(v[0]), int(v[1]), QImage::Format_RGB32);
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setRenderHint(QPainter::TextAntialiasing);
        font_.setPixelSize(12);
        painter_->setFont(font_);
        painter_->setPen(pen_);
        return {};
    }
    if (!(err = requireImage()).isEmpty())
        return err;

    if (cmd == u"pen") {
        if (words.size() < 2 || words.size() > 3)
            return QStringLiteral("pen takes a width and an optional colour");
        double width = 0;
        if (!(err = parseBounded(words[1], 0, 50, "pen width", width)).isEmpty())
            return err;
        pen_.setWidthF(width);
        if (words.size() == 3) {
            QColor colour;
            if (!(err = parseColour(words[2], colour)).isEmpty())
                return err;
            pen_.setColor(colour);
        }
        painter_->setPen(pen_);
    } else if (cmd == u"brush") {
        if (words.size() != 2)
            return QStringLiteral("brush takes a colour or none");
        if (words[1] == u"none") {
            brush_ = Qt::NoBrush;
        } else {
            QColor colour;
            if (!(err = parseColour(words[1], colour)).isEmpty())
                return err;
            brush_ = QBrush(colour);
        }
        painter_->setBrush(brush_);
    } else if (cmd == u"dash") {
        if (words.size() != 2 || (words[1] != u"on" && words[1] != u"off"))
            return QStringLiteral("dash takes on or off");
        pen_.setStyle(words[1] == u"on" ? Qt::DashLine : Qt::SolidLine);
        painter_->setPen(pen_);
    } else if (cmd == u"font") {
        if (words.size() < 2 || words.size() > 3 || (words.size() == 3 && words[2] != u"bold"))
            return QStringLiteral("font takes a size and an optional bold");
        double size = 0;
        if (!(err = parseBounded(words[1], 4, 200, "font size", size)).isEmpty())
            return err;
        font_.setPixelSize(int(size));
        font_.setBold(words.size() == 3);
        painter_->setFont(font_);
    } else if (cmd == u"line" || cmd == u"arrow" || cmd == u"dim") {
        if (!(err = numbers(words, 1, 4, v)).isEmpty())
            return err;
        const QPointF a(v[0], v[1]), b(v[2], v[3]);
        painter_->drawLine(a, b);
        if (cmd != u"line")
            arrowHead(a, b);
        if (cmd == u"dim")
            arrowHead(b, a);
    } else if (cmd == u"rect" || cmd == u"ellipse" || cmd == u"hatch") {
        if (!(err = numbers(words, 1, 4, v)).isEmpty())
            return err;
        const QRectF box(v[0], v[1], v[2], v[3]);
        if (cmd == u"rect")
            painter_->drawRect(box);
        else if (cmd == u"ellipse")
            painter_->drawEllipse(box);
        else
            hatch(box);
    } else if (cmd == u"arc") {
        if (!(err = numbers(words, 1, 6, v)).isEmpty())
            return err;
        painter_->drawArc(QRectF(v[0], v[1], v[2], v[3]), int(v[4] * 16), int(v[5] * 16));
    } else if (cmd == u"polygon") {
        const int count = int(words.size()) - 1;
        if (count < 6 || count % 2 != 0)
            return QStringLiteral("polygon takes at least three x y pairs");
        if (!(err = numbers(words, 1, count, v)).isEmpty())
            return err;
        QPolygonF polygon;
        for (int i = 0; i < count; i += 2)
            polygon << QPointF(v[i], v[i + 1]);
        painter_->drawPolygon(polygon);
    } else if (cmd == u"text" || cmd == u"ctext") {
        if (words.size() != 4)
            return QStringLiteral("%1 takes x, y and a quoted label").arg(cmd);
        if (!(err = numbers(words.mid(0, 3), 1, 2, v)).isEmpty())
            return err;
        double x = v[0];
        if (cmd == u"ctext")
            x -= painter_->fontMetrics().horizontalAdvance(words[3]) / 2.0;
        painter_->save();
        painter_->setPen(QPen(pen_.color()));
        painter_->drawText(QPointF(x, v[1]), words[3]);
        painter_->restore();
    } else {
        return QStringLiteral("unknown command: %1").arg(cmd);
    }
    return {};
}

} // namespace

FigureResult drawFigureScript(const QString& script)
{
    Drawer drawer;
    const QStringList lines = script.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto words = tokenize(line);
        const QString error = words ? drawer.run(*words) : QStringLiteral("a quoted label is not closed");
        if (!error.isEmpty())
            return {QImage(), i + 1, error};
    }
    QImage image = drawer.take();
    if (image.isNull())
        return {QImage(), 0, QStringLiteral("the script draws nothing: size is missing")};
    return {image, 0, {}};
}
