// The staged main layout against the catalog and the window names and kinds the editor relies on.
#include "ShippedFiles.h"

#include "gui/WindowLookup.h"
#include "support/HeadlessGui.h"
#include "support/TestPaths.h"

#include <CEGUI/CEGUI.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const toolTabs[] = {"insanTab", "yollarveisaretlerTab", "araclarTab", "cevreTab", "ozelTab"};

class StagedLayout : public ::testing::Test {
protected:
    void SetUp() override { root = headlessgui::loadRootLayout("guiLayout800X600.layout"); }
    void TearDown() override { headlessgui::resetRoot(); }

    static CEGUI::Rectf rect(const std::string& name) { return getWindow(name)->getUnclippedOuterRect().get(); }

    static bool inside(const CEGUI::Rectf& inner, const CEGUI::Rectf& outer) {
        const float slack = 0.5f;
        return inner.left() >= outer.left() - slack && inner.right() <= outer.right() + slack &&
               inner.top() >= outer.top() - slack && inner.bottom() <= outer.bottom() + slack;
    }

    // Every button and text field below `parent` is what the mouse finds at its centre.
    static void expectControlsReachable(CEGUI::Window* parent) {
        for (size_t i = 0; i < parent->getChildCount(); ++i) {
            CEGUI::Window* child = parent->getChildAtIdx(i);
            if (!child->isVisible()) continue;
            if (dynamic_cast<CEGUI::PushButton*>(child) || dynamic_cast<CEGUI::Editbox*>(child) ||
                dynamic_cast<CEGUI::RadioButton*>(child)) {
                CEGUI::Window* hit = headlessgui::windowAtCentreOf(child);
                EXPECT_TRUE(hit == child || (hit && hit->isAncestor(child)))
                    << child->getNamePath() << " is covered by " << (hit ? hit->getNamePath() : "nothing");
            }
            expectControlsReachable(child);
        }
    }

    CEGUI::Window* root = nullptr;
};

// Sizes come back as the difference of two edges, so they are compared with a tolerance.
void expectWidth(CEGUI::Window* window, const CEGUI::UDim& width) {
    EXPECT_NEAR(window->getWidth().d_scale, width.d_scale, 1e-5) << window->getName();
    EXPECT_NEAR(window->getWidth().d_offset, width.d_offset, 1e-3) << window->getName();
}

// The toolbox keeps its width at the window's right edge.
const CEGUI::UDim toolboxX(1, -158.4f);
const CEGUI::UDim toolboxWidth(0, 158.4f);

template <typename Kind>
void expectKind(const std::vector<std::string>& names, const char* kind) {
    for (const std::string& name : names) {
        CEGUI::Window* w = findWindow(name);
        ASSERT_NE(w, nullptr) << "missing window " << name;
        EXPECT_NE(dynamic_cast<Kind*>(w), nullptr) << name << " is not a " << kind << " but " << w->getType();
    }
}

std::vector<CatalogEntry> stagedCatalog() {
    return media::readShippedCatalog(testpaths::workDir + "/objects.txt");
}

}  // namespace

TEST_F(StagedLayout, HasEveryWindowTheEditorUsesOfTheRightKind) {
    EXPECT_EQ(root->getName(), "DemoLayout");
    expectKind<CEGUI::FrameWindow>({"TestWindowFrame", "tabFrameWindow", "windowFrame", "hakkindaicerik",
                                    "mesajWindow", "uyariWindow"},
                                   "frame window");
    expectKind<CEGUI::PushButton>({"dosya", "duzenle", "gorunum", "yardim", "yeniPopupItem", "acPopupItem",
                                   "kaydetPopupItem", "cikisPopupItem", "silPopupItem", "hakkindaPopupItem",
                                   "arackutusu", "tabButtonLeft", "tabButtonRight", "mesajEkle", "mesajIptal",
                                   "mesajYaz", "bluearea", "uyariTamam"},
                                  "push button");
    expectKind<CEGUI::Editbox>({"mesajIcerik", "soru1Text", "soru2Text", "soru3Text", "soru4Text", "xPosition",
                                "yPosition"},
                               "edit box");
    expectKind<CEGUI::RadioButton>({"soru1", "soru2", "soru3", "soru4"}, "radio button");
    expectKind<CEGUI::Listbox>({"kurtarListe"}, "list box");
    expectKind<CEGUI::PushButton>({"kurtarAc", "kurtarSil", "kurtarSonra", "kurtarSilEvet", "kurtarSilVazgec"},
                                  "push button");
    expectKind<CEGUI::Window>({"dosyaPopup", "duzenlePopup", "gorunumPopup", "yardimPopup", "ozelliklerTab",
                               "insanTab", "yollarveisaretlerTab", "araclarTab", "cevreTab", "ozelTab", "uyariText"},
                              "window");
    EXPECT_EQ(getWindow("frameImage")->getType(), "WindowsLook/StaticImage");
}

TEST_F(StagedLayout, TabsShareTheMainFrameAndTheirHomePosition) {
    CEGUI::Window* mainFrame = getWindow("TestWindowFrame");
    for (const char* name : toolTabs) {
        CEGUI::Window* tab = getWindow(name);
        EXPECT_EQ(tab->getParent(), mainFrame) << name;
        EXPECT_EQ(tab->getXPosition(), toolboxX) << name;
        expectWidth(tab, toolboxWidth);
        EXPECT_EQ(tab->getYPosition(), getWindow("insanTab")->getYPosition()) << name;
    }
    CEGUI::Window* properties = getWindow("ozelliklerTab");
    EXPECT_EQ(properties->getParent(), mainFrame);
    EXPECT_EQ(properties->getXPosition(), toolboxX);
    expectWidth(properties, toolboxWidth);
    EXPECT_GE(rect("ozelliklerTab").top(), rect("insanTab").bottom());
    EXPECT_EQ(getWindow("tabFrameWindow")->getXPosition(), toolboxX);
    for (const char* arrow : {"tabButtonLeft", "tabButtonRight"}) {
        EXPECT_TRUE(getWindow(arrow)->isAlwaysOnTop()) << arrow;  // stays above a tab that was clicked
        EXPECT_TRUE(inside(rect(arrow), rect("insanTab"))) << arrow;
    }
}

TEST_F(StagedLayout, CameraViewIsAllPictureAndPassesClicksToItsFrame) {
    auto* view = static_cast<CEGUI::FrameWindow*>(getWindow("windowFrame"));
    EXPECT_EQ(view->getXPosition(), CEGUI::UDim(0, 0));
    expectWidth(view, CEGUI::UDim(1, -158.4f));
    EXPECT_FALSE(view->isTitleBarEnabled());
    EXPECT_FALSE(view->isFrameEnabled());
    EXPECT_FALSE(view->isCloseButtonEnabled());
    EXPECT_GE(rect("windowFrame").top(), rect("dosya").bottom());
    EXPECT_NEAR(rect("windowFrame").bottom(), 600, 8);

    CEGUI::Window* image = getWindow("frameImage");
    EXPECT_EQ(image->getParent(), view);
    CEGUI::Rectf a = rect("frameImage"), b = view->getUnclippedInnerRect().get();
    EXPECT_FLOAT_EQ(a.left(), b.left());
    EXPECT_FLOAT_EQ(a.top(), b.top());
    EXPECT_FLOAT_EQ(a.right(), b.right());
    EXPECT_FLOAT_EQ(a.bottom(), b.bottom());
    EXPECT_EQ(headlessgui::windowAtCentreOf(view), view);
}

TEST_F(StagedLayout, EveryCatalogEntryHasItsPictureAndButtonInOneToolTab) {
    auto entries = stagedCatalog();
    ASSERT_FALSE(entries.empty());
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.name);
        CEGUI::Window* image = findWindow(entry.name + "Image");
        CEGUI::Window* button = findWindow(entry.name);
        ASSERT_NE(image, nullptr);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(image->getType(), "WindowsLook/StaticImage");
        EXPECT_NE(dynamic_cast<CEGUI::PushButton*>(button), nullptr);
        CEGUI::Window* tab = image->getParent();
        EXPECT_EQ(button->getParent(), tab);
        EXPECT_NE(std::find(std::begin(toolTabs), std::end(toolTabs), tab->getName()), std::end(toolTabs));
        EXPECT_TRUE(inside(image->getUnclippedOuterRect().get(), tab->getUnclippedOuterRect().get()));
        EXPECT_TRUE(inside(button->getUnclippedOuterRect().get(), tab->getUnclippedOuterRect().get()));
    }
    EXPECT_EQ(getWindow("bluearea")->getParent()->getName(), "ozelTab");
}

TEST_F(StagedLayout, EveryControlCanBeReachedWithTheMouse) {
    // The tabs share one spot until the editor parks four of them; look at one at a time.
    for (const char* shown : toolTabs) {
        SCOPED_TRACE(shown);
        for (const char* tab : toolTabs) getWindow(tab)->setVisible(std::string(tab) == shown);
        expectControlsReachable(getWindow(shown));
        EXPECT_TRUE(inside(rect(shown), rect("tabFrameWindow")));
    }
    for (const char* name : {"dosyaPopup", "duzenlePopup", "gorunumPopup", "yardimPopup", "hakkindaicerik",
                             "mesajWindow", "uyariWindow", "kurtarWindow", "kurtarSilSorWindow"}) {
        SCOPED_TRACE(name);
        CEGUI::Window* w = getWindow(name);
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(w->isAlwaysOnTop());
        w->setVisible(true);
        expectControlsReachable(w);
        w->setVisible(false);
    }
    for (const char* menu : {"dosya", "duzenle", "gorunum", "yardim"}) {
        CEGUI::Rectf button = rect(menu), popup = rect(std::string(menu) + "Popup");
        EXPECT_FLOAT_EQ(popup.left(), button.left()) << menu;
        EXPECT_GE(popup.top(), button.bottom() - 1) << menu;
    }
    expectControlsReachable(getWindow("ozelliklerTab"));
    expectControlsReachable(getWindow("TestWindowFrame"));
}

TEST_F(StagedLayout, MessageFieldsHoldWhatAScenarioFileCanStore) {
    EXPECT_EQ(static_cast<CEGUI::Editbox*>(getWindow("mesajIcerik"))->getMaxTextLength(), 99u);
    unsigned long group = static_cast<CEGUI::RadioButton*>(getWindow("soru1"))->getGroupID();
    for (int k = 1; k <= 4; ++k) {
        std::string field = "soru" + std::to_string(k) + "Text", answer = "soru" + std::to_string(k);
        EXPECT_EQ(static_cast<CEGUI::Editbox*>(getWindow(field))->getMaxTextLength(), 49u) << field;
        EXPECT_GE(rect(field).getHeight(), 32.0f) << field;
        EXPECT_EQ(static_cast<CEGUI::RadioButton*>(getWindow(answer))->getGroupID(), group) << answer;
        EXPECT_FALSE(static_cast<CEGUI::RadioButton*>(getWindow(answer))->isSelected()) << answer;
    }
    EXPECT_GE(rect("mesajIcerik").getHeight(), 32.0f);
    // The position can be typed (Enter moves the selection there).
    EXPECT_FALSE(static_cast<CEGUI::Editbox*>(getWindow("xPosition"))->isReadOnly());
    EXPECT_FALSE(static_cast<CEGUI::Editbox*>(getWindow("yPosition"))->isReadOnly());
}

TEST_F(StagedLayout, NoQuestionChoiceClearsTheMarkedAnswer) {
    CEGUI::Window* dialog = getWindow("mesajWindow");
    dialog->setVisible(true);
    headlessgui::click(getWindow("soru3"));
    EXPECT_TRUE(static_cast<CEGUI::RadioButton*>(getWindow("soru3"))->isSelected());
    EXPECT_FALSE(static_cast<CEGUI::RadioButton*>(getWindow("soruYok"))->isSelected());
    headlessgui::click(getWindow("soruYok"));
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(static_cast<CEGUI::RadioButton*>(getWindow("soru" + std::to_string(k)))->isSelected()) << k;
}
