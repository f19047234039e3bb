#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace orvex {

// A picture file decoded no larger than needed and scaled to fit `box` with its proportions
// kept, or a message that names the file and says why it cannot be shown.
struct PicturePreview {
    QImage image;
    QString error;
};

PicturePreview previewPicture(const QString& path, QSize box);

// A picture file shown at half its size in pixels (each side halved, rounded down), decoded
// at that size rather than at its own.
PicturePreview halfSizePicture(const QString& path);

} // namespace orvex
