// The notice window on the real layout: every notice can be read to its end.
#include "tests/support/EditorFixture.h"

#include "gui/Notice.h"

#include <CEGUI/CEGUI.h>

namespace {

class NoticeWindowTest : public EditorFixture {
protected:
    static CEGUI::Window& notice() { return *window("uyariWindow"); }
    static CEGUI::Window& text() { return *window("uyariText"); }

    static float textExtent()
    {
        return CEGUI::PropertyHelper<float>::fromString(text().getProperty("VertExtent"));
    }
    static bool scrolls() { return text().getChild("__auto_vscrollbar__")->isVisible(); }
    static CEGUI::Rectf onScreen(CEGUI::Window& w) { return w.getUnclippedOuterRect().get(); }

    static std::string sentences(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "Senaryo dosyasi kaydedilmedi, cunku klasore yazma izni yok; bu " + std::to_string(i + 1)
                + ". cumle uzun bir uyarinin parcasidir. ";
        return text;
    }

    // The whole notice and its button lie on the 800 x 600 screen.
    static void expectOnScreen()
    {
        const CEGUI::Rectf frame = onScreen(notice());
        EXPECT_GE(frame.top(), 0.0f);
        EXPECT_LE(frame.bottom(), 600.0f);
        const CEGUI::Rectf ok = onScreen(*window("uyariTamam"));
        EXPECT_GE(ok.top(), onScreen(text()).bottom());
        EXPECT_LE(ok.bottom(), frame.bottom());
    }
};

}  // namespace

TEST_F(NoticeWindowTest, GrowsUntilEveryWrappedLineShowsAndShrinksBackForShortNotices)
{
    showNotice("Kisa bir uyari.");
    const float layoutHeight = notice().getPixelSize().d_height;
    EXPECT_LE(textExtent(), text().getPixelSize().d_height);
    EXPECT_FALSE(scrolls());

    const std::string longText = sentences(9);
    showNotice(longText);
    EXPECT_EQ(noticeText(), longText);
    // Nine sentences wrap to far more lines than the layout's window holds.
    EXPECT_GT(textExtent(), 3.0f * 14.0f * 4.0f);
    EXPECT_GT(notice().getPixelSize().d_height, layoutHeight);
    EXPECT_LE(textExtent(), text().getPixelSize().d_height) << "the last lines are cut off";
    EXPECT_FALSE(scrolls());
    expectOnScreen();

    showNotice("Kisa bir uyari.");
    EXPECT_FLOAT_EQ(notice().getPixelSize().d_height, layoutHeight);
    EXPECT_FALSE(scrolls());
}

TEST_F(NoticeWindowTest, TextLongerThanTheScreenScrollsInsideAWindowThatStaysOnScreen)
{
    showNotice(sentences(60));
    EXPECT_GT(textExtent(), 600.0f);
    EXPECT_TRUE(scrolls());
    expectOnScreen();
}

TEST_F(NoticeWindowTest, WidensSoThatAFilePathIsNeverBrokenAcrossLines)
{
    showNotice("Kisa bir uyari.");
    const float layoutWidth = notice().getPixelSize().d_width;

    const std::string path = "/home/kullanici/belgeler/senaryolar/trafik_egitimi/ikinci_hafta/kavsak.zev";
    showNotice("\"" + path + "\" senaryosu okunamadi: izin yok. Sahne degismedi.");
    const float pathWidth = text().getFont()->getTextExtent(path);
    ASSERT_GT(pathWidth, layoutWidth - 40.0f) << "the path must be wider than the layout's text";
    EXPECT_GT(notice().getPixelSize().d_width, layoutWidth);
    // The widest formatted line holds the whole path.
    const float widestLine = CEGUI::PropertyHelper<float>::fromString(text().getProperty("HorzExtent"));
    EXPECT_GE(widestLine, pathWidth);
    EXPECT_LE(textExtent(), text().getPixelSize().d_height);
    const CEGUI::Rectf frame = onScreen(notice());
    EXPECT_GE(frame.left(), 0.0f);
    EXPECT_LE(frame.right(), 800.0f);
    expectOnScreen();

    showNotice("Kisa bir uyari.");
    EXPECT_FLOAT_EQ(notice().getPixelSize().d_width, layoutWidth);
}

TEST_F(NoticeWindowTest, APathWiderThanTheScreenIsBrokenOnlyAfterASlash)
{
    std::string path;
    for (int i = 0; i < 12; ++i)
        path += "/klasor_" + std::to_string(i) + "_uzun_bir_klasor_adi";
    path += "/senaryo.zev";
    const std::string notice = "Senaryo \"" + path + "\" dosyasina kaydedilmedi: izin yok.";
    showNotice(notice);
    ASSERT_GT(text().getFont()->getTextExtent(path), 800.0f);

    const std::string shown = noticeText();
    std::string joined;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '\n') {
            EXPECT_EQ(shown[i - 1], '/') << "broken elsewhere than after a slash: " << shown.substr(0, i);
            continue;
        }
        joined += shown[i];
    }
    EXPECT_EQ(joined, notice) << "the shown text lost or changed characters";
    EXPECT_NE(shown.find('\n'), std::string::npos);
    // Every piece fits on a line of the window, which stays on the screen.
    std::size_t start = 0;
    while (start < shown.size()) {
        std::size_t end = shown.find_first_of(" \n", start);
        if (end == std::string::npos)
            end = shown.size();
        EXPECT_LE(text().getFont()->getTextExtent(shown.substr(start, end - start)), text().getPixelSize().d_width - 20.0f)
            << shown.substr(start, end - start);
        start = end + 1;
    }
    const CEGUI::Rectf frame = onScreen(this->notice());
    EXPECT_GE(frame.left(), 0.0f);
    EXPECT_LE(frame.right(), 800.0f);
    EXPECT_LE(textExtent(), text().getPixelSize().d_height);
}
