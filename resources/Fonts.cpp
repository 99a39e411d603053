#include "resources/Fonts.h"

#include <QStringList>

QFont SerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({Fonts::kSerifFace, Fonts::kSerifFallback});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont SansFont(int pixelSize) {
    QFont font;
    font.setFamilies({Fonts::kSansFace, Fonts::kSansFallback});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}
