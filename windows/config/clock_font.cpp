#include "windows/config/clock_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace orvex {
namespace {

const QString kFamily = QStringLiteral("DSEG7 Classic");
// Where Debian's fonts-dseg puts the face, for a fontconfig that does not list it.
const QString kFile = QStringLiteral("/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf");

bool faceAvailable() {
    if (QFontDatabase::families().contains(kFamily)) {
        return true;
    }
    return QFontDatabase::addApplicationFont(kFile) >= 0 &&
           QFontDatabase::families().contains(kFamily);
}

} // namespace

QFont clockFont() {
    static const bool available = faceAvailable();
    QFont font = available ? QFont(kFamily) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    font.setPixelSize(15);
    return font;
}

} // namespace orvex
