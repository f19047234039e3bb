#include "windows/add_image/picture_preview.h"

#include "jpeg/jpeg_decoder.h"
#include "jpeg/qt/qimage_adapter.h"

#include <QFile>
#include <QFileInfo>

namespace orvex {

PicturePreview previewPicture(const QString& path, QSize box) {
    const QString name = QFileInfo(path).fileName();
    const DecodeResult decoded = decodeJpegFile(QFile::encodeName(path).toStdString(),
                                                ScaleRequest::fitInto(box.width(), box.height()));
    if (!decoded.ok()) {
        return {{},
                QObject::tr("\"%1\" cannot be shown. %2")
                    .arg(name, QString::fromStdString(decoded.error().message))};
    }
    QImage scaled = scaledToFit(toQImage(decoded.image()), box);
    if (scaled.isNull()) {
        return {{}, QObject::tr("\"%1\" cannot be shown: there is not enough memory.").arg(name)};
    }
    return {std::move(scaled), {}};
}

} // namespace orvex
