#include "FormFont.h"

#include <QApplication>

namespace qs {

namespace {
constexpr int kFormFontPixels = 11; // 8 point at 96 pixels per inch
const char kFormFace[] = "MS Sans Serif";
} // namespace

QStringList FormFontFamilies() {
    return {QString::fromLatin1(kFormFace), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("Arimo")};
}

QFont FormFont() {
    QFont font;
    font.setFamilies(FormFontFamilies());
    font.setPixelSize(kFormFontPixels);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void FixFontResolution() {
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) {
        qputenv("QT_FONT_DPI", "96");
    }
}

void InstallFormFont() {
    // A request for the forms' face by name (a label made bold keeps it) finds the stand-in too.
    const QStringList families = FormFontFamilies();
    QFont::insertSubstitutions(families.first(), families.mid(1));
    QApplication::setFont(FormFont());
}

} // namespace qs
