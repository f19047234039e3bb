#include "jpeg/qt/qimage_adapter.h"

#include <cstddef>
#include <cstring>

namespace orvex {

QImage toQImage(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) {
        return {};
    }
    const auto rowBytes = static_cast<std::size_t>(image.width) * 3;
    if (image.pixels.size() != rowBytes * static_cast<std::size_t>(image.height)) {
        return {};
    }
    QImage result(image.width, image.height, QImage::Format_RGB888);
    if (result.isNull()) {
        return {};
    }
    // QImage pads each row to four bytes, so copy row by row.
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(result.scanLine(y),
                    image.pixels.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes);
    }
    return result;
}

QImage scaledToFit(const QImage& image, QSize box) {
    if (image.isNull() || box.isEmpty()) {
        return {};
    }
    const QSize fitted = image.size().scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace orvex
