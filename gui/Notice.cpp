#include "gui/Notice.h"

#include "gui/NoticeLayout.h"
#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

#include <cstdio>

namespace {

const char* const warningCaption = "Uyari";

bool hideNotice(const CEGUI::EventArgs&)
{
    if (CEGUI::Window* notice = findWindow("uyariWindow"))
        notice->setVisible(false);
    return true;
}

}  // namespace

void showNotice(const std::string& text) { showCaptionedNotice(warningCaption, text); }

void showCaptionedNotice(const std::string& caption, const std::string& text)
{
    std::fprintf(stderr, "sahne: %s\n", text.c_str());
    CEGUI::Window* notice = findWindow("uyariWindow");
    CEGUI::Window* noticeText = findWindow("uyariText");
    if (!notice || !noticeText)
        return;
    notice->setText(reinterpret_cast<const CEGUI::utf8*>(caption.c_str()));
    noticeText->setText(reinterpret_cast<const CEGUI::utf8*>(text.c_str()));
    fitNoticeToText(*notice, *noticeText, text);
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
