#include "ui/fonts.h"

#include <QStringList>

namespace trend {

QFont WindowFont(int pixel_height, bool bold, bool italic) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixel_height);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace trend
