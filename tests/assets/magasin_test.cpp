#include "assets/magasin.h"

#include <gtest/gtest.h>

TEST(Magasin, CardSheetsHaveTheirSize) {
    const MagasinImages& m = MagasinImages::Instance();
    EXPECT_EQ(m.Image(u"TabCartes").size(), QSize(923, 384));
    EXPECT_EQ(m.Image(u"TabCartes2").size(), QSize(923, 384));
    EXPECT_EQ(m.Image(u"DosCartes").size(), QSize(791, 96));
    EXPECT_FALSE(m.Contient(u"NoSuchPicture"));
}
