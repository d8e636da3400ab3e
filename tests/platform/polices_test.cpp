// The game's fonts: registered from their files, drawn with by the names of
// that registration, and a missing file told once.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include <algorithm>

#include "platform/etiquette.h"
#include "platform/polices.h"

namespace {

TEST(Polices, RegisteredFromTheirFilesAndDrawnWithByThatName) {
    const PolicesJeu& p = Polices();
    EXPECT_EQ(p.sans, "DejaVu Sans");
    EXPECT_EQ(p.serif, "DejaVu Serif");
    for (const QString& famille : {p.sans, p.serif}) {
        QFont f(famille);
        f.setPixelSize(13);
        for (bool gras : {false, true}) {
            f.setBold(gras);
            const QFontInfo info(f);
            EXPECT_EQ(info.family(), famille);
            EXPECT_EQ(info.bold(), gras) << famille.toStdString();
            // the glyphs come from the game's own file
            const QRawFont brut = QRawFont::fromFont(f);
            EXPECT_TRUE(brut.supportsCharacter(QLatin1Char('$')));
        }
    }
    // the condensed faces that squeezed texts take
    EXPECT_TRUE(QFontDatabase::styles(p.serif).contains("Condensed Bold"));
    EXPECT_TRUE(QFontDatabase::styles(p.sans).contains("Condensed"));
    // the captions of the table use them
    Etiquette e(nullptr, 0, 0, 60, 20, QStringLiteral("$400"), kJaune);
    EXPECT_EQ(QFontInfo(e.font()).family(), p.sans);
}

TEST(Polices, MissingFilesAreToldOnceAndTheGameGoesOn) {
    testing::internal::CaptureStderr();
    const PolicesJeu p = EnregistrePolices("/nonexistent/fonts");
    const PolicesJeu encore = EnregistrePolices("/nonexistent/fonts");
    const std::string dit = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
    EXPECT_NE(dit.find("/nonexistent/fonts/DejaVuSans.ttf"), std::string::npos) << dit;
    EXPECT_NE(dit.find("/nonexistent/fonts/DejaVuSerif-Bold.ttf"), std::string::npos) << dit;
    // drawing goes on with the fonts of that name the system may have
    EXPECT_EQ(p.sans, "DejaVu Sans");
    EXPECT_EQ(encore.serif, "DejaVu Serif");
}

}  // namespace
