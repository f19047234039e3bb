#include "windows/shell/picture_preview.h"

#include "jpeg/jpeg_decoder.h"
#include "jpeg/qt/qimage_adapter.h"

#include <QFile>
#include <QFileInfo>

namespace orvex {
namespace {

PicturePreview cannotShow(const QString& path, const DecodeError& error) {
    return {{},
            QObject::tr("\"%1\" cannot be shown. %2")
                .arg(QFileInfo(path).fileName(), QString::fromStdString(error.message))};
}

PicturePreview shown(const QString& path, QImage image) {
    if (image.isNull()) {
        return {{},
                QObject::tr("\"%1\" cannot be shown: there is not enough memory.")
                    .arg(QFileInfo(path).fileName())};
    }
    return {std::move(image), {}};
}

std::string localName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

PicturePreview previewPicture(const QString& path, QSize box) {
    const DecodeResult decoded =
        decodeJpegFile(localName(path), ScaleRequest::fitInto(box.width(), box.height()));
    if (!decoded.ok()) {
        return cannotShow(path, decoded.error());
    }
    return shown(path, scaledToFit(toQImage(decoded.image()), box));
}

PicturePreview halfSizePicture(const QString& path) {
    const SizeResult size = readJpegFileSize(localName(path));
    if (!size.ok()) {
        return cannotShow(path, size.error());
    }
    const QSize half(size.value().width / 2, size.value().height / 2);
    // A one-pixel side has nothing left to show at half size.
    if (half.isEmpty()) {
        return {};
    }
    const DecodeResult decoded =
        decodeJpegFile(localName(path), ScaleRequest::fitInto(half.width(), half.height()));
    if (!decoded.ok()) {
        return cannotShow(path, decoded.error());
    }
    return shown(
        path,
        toQImage(decoded.image()).scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace orvex
