#include "gui/Notice.h"

#include "document/Translation.h"
#include "gui/NoticeLayout.h"
#include "gui/NoticeNames.h"
#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

#include <cstdio>

namespace {

bool hideNotice(const CEGUI::EventArgs&)
{
    if (CEGUI::Window* notice = findWindow(noticenames::window))
        notice->setVisible(false);
    return true;
}

}  // namespace

void showNotice(const std::string& text) { showCaptionedNotice(tr(noticenames::warningCaption), text); }

void showCaptionedNotice(const std::string& caption, const std::string& text)
{
    std::fprintf(stderr, "sahne: %s\n", text.c_str());
    CEGUI::Window* notice = findWindow(noticenames::window);
    CEGUI::Window* noticeText = findWindow(noticenames::text);
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
    if (CEGUI::Window* notice = findWindow(noticenames::window)) {
        notice->setVisible(false);
        notice->subscribeEvent(CEGUI::FrameWindow::EventCloseClicked, CEGUI::Event::Subscriber(&hideNotice));
    }
    if (CEGUI::Window* ok = findWindow(noticenames::okButton))
        ok->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&hideNotice));
}
