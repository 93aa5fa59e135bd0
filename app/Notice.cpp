#include "app/Notice.h"

#include "app/WindowLookup.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

bool hideNotice(const CEGUI::EventArgs&)
{
    if (CEGUI::Window* notice = findWindow("uyariWindow"))
        notice->setVisible(false);
    return true;
}

// Sizes the notice to its text: the width stays, the height grows until every
// wrapped line shows, up to most of the screen; beyond that the text scrolls.
// A short notice after a long one shrinks back to the layout's height.
void fitNoticeToText(CEGUI::Window& notice, CEGUI::Window& noticeText)
{
    static const CEGUI::UDim layoutHeight = notice.getHeight();
    static const CEGUI::UDim layoutTop = notice.getYPosition();
    notice.setHeight(layoutHeight);
    notice.setYPosition(layoutTop);
    const CEGUI::Window* parent = notice.getParent();
    if (!parent)
        return;
    const float screenHeight = parent->getPixelSize().d_height;
    const float chrome = notice.getPixelSize().d_height - noticeText.getPixelSize().d_height;
    // The frame of the text widget and a little air below the last line.
    const float framing = 12.0f;
    const float textHeight = CEGUI::PropertyHelper<float>::fromString(noticeText.getProperty("VertExtent"));
    const float wanted = textHeight + framing + chrome;
    if (wanted <= notice.getPixelSize().d_height)
        return;
    const float height = std::min(wanted, 0.9f * screenHeight);
    notice.setHeight(CEGUI::UDim(0, height));
    notice.setYPosition(CEGUI::UDim(0, std::floor((screenHeight - height) / 2.0f)));
}

}  // namespace

void showNotice(const std::string& text)
{
    std::fprintf(stderr, "sahne: %s\n", text.c_str());
    CEGUI::Window* notice = findWindow("uyariWindow");
    CEGUI::Window* noticeText = findWindow("uyariText");
    if (!notice || !noticeText)
        return;
    noticeText->setText(reinterpret_cast<const CEGUI::utf8*>(text.c_str()));
    fitNoticeToText(*notice, *noticeText);
    notice->setVisible(true);
    notice->setEnabled(true);
    notice->moveToFront();
}

void wireNoticeWindow()
{
    if (CEGUI::Window* notice = findWindow("uyariWindow")) {
        notice->setVisible(false);
        notice->subscribeEvent(CEGUI::FrameWindow::EventCloseClicked, CEGUI::Event::Subscriber(&hideNotice));
    }
    if (CEGUI::Window* ok = findWindow("uyariTamam"))
        ok->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&hideNotice));
}
