// A small drawing language for the sample figures: one command per line, drawn with QPainter
// onto a white image. The grammar is listed in figure_script.cpp.
#pragma once

#include <QImage>
#include <QString>

struct FigureResult {
    QImage image;        // null when the script was refused
    int errorLine = 0;   // 1-based line of the first fault, 0 when there is none
    QString error;       // what is wrong with that line
};

// Draws the whole script; the first faulty line stops it and is reported.
FigureResult drawFigureScript(const QString& script);
