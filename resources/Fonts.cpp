#include "resources/Fonts.h"

#include <QStringList>

QFont SerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({Fonts::SerifFace, Fonts::SerifFallback});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont SansFont(int pixelSize) {
    QFont font;
    font.setFamilies({Fonts::SansFace, Fonts::SansFallback});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}
