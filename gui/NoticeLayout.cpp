#include "gui/NoticeLayout.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>
#include <cmath>

namespace {

// The width of the widest word (a file path is one word) in the notice's font.
float widestWord(const CEGUI::Window& noticeText, const std::string& text)
{
    const CEGUI::Font* font = noticeText.getFont();
    if (!font)
        return 0.0f;
    float widest = 0.0f;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" \n\t", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start) {
            const std::string word = text.substr(start, end - start);
            widest = std::max(widest, font->getTextExtent(reinterpret_cast<const CEGUI::utf8*>(word.c_str())));
        }
        start = end + 1;
    }
    return widest;
}

float extentOf(const CEGUI::Font& font, const std::string& text)
{
    return font.getTextExtent(reinterpret_cast<const CEGUI::utf8*>(text.c_str()));
}

// A word wider than the widest notice line (a long path) is broken after a '/'
// so that every piece fits; left alone, the widget would break it anywhere. The
// characters stay as they are, only line ends come in between.
std::string breakOverlongWords(const CEGUI::Font& font, const std::string& text, float maxWidth)
{
    std::string shown;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" \n\t", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (extentOf(font, word) <= maxWidth) {
            shown += word;
        } else {
            std::string line;
            std::size_t from = 0;
            while (from < word.size()) {
                std::size_t slash = word.find('/', from);
                const std::size_t to = slash == std::string::npos ? word.size() : slash + 1;
                const std::string part = word.substr(from, to - from);
                if (!line.empty() && extentOf(font, line + part) > maxWidth) {
                    shown += line + "\n";
                    line.clear();
                }
                line += part;
                from = to;
            }
            shown += line;
        }
        if (end < text.size())
            shown += text[end];
        start = end + 1;
    }
    return shown;
}

}  // namespace

// The window is sized in pixels; a static keeps what the layout said, so that a
// short notice after a long one gets the layout's size and place back.
void fitNoticeToText(CEGUI::Window& notice, CEGUI::Window& noticeText, const std::string& text)
{
    static const CEGUI::USize layoutSize = notice.getSize();
    static const CEGUI::UVector2 layoutPosition = notice.getPosition();
    notice.setSize(layoutSize);
    notice.setPosition(layoutPosition);
    const CEGUI::Window* parent = notice.getParent();
    if (!parent)
        return;
    const CEGUI::Sizef screen = parent->getPixelSize();
    // The frame of the text widget, room for its scroll bar and a little air.
    const float framing = 12.0f;
    const float scrollbar = 20.0f;
    const float maxWidth = 0.96f * screen.d_width;
    if (const CEGUI::Font* font = noticeText.getFont()) {
        const float widestLine =
            maxWidth - (notice.getPixelSize().d_width - noticeText.getPixelSize().d_width) - framing - scrollbar;
        const std::string shown = breakOverlongWords(*font, text, widestLine);
        if (shown != text)
            noticeText.setText(reinterpret_cast<const CEGUI::utf8*>(shown.c_str()));
    }

    const float wantedWidth = notice.getPixelSize().d_width - noticeText.getPixelSize().d_width
        + widestWord(noticeText, noticeText.getText().c_str()) + framing + scrollbar;
    if (wantedWidth > notice.getPixelSize().d_width) {
        const float width = std::min(wantedWidth, maxWidth);
        notice.setWidth(CEGUI::UDim(0, width));
        // Centred as the layout centres it, so that it stays so when the window changes size.
        notice.setXPosition(CEGUI::UDim(0.5f, -std::floor(width / 2.0f)));
    }

    const float chrome = notice.getPixelSize().d_height - noticeText.getPixelSize().d_height;
    const float textHeight = CEGUI::PropertyHelper<float>::fromString(noticeText.getProperty("VertExtent"));
    const float wanted = textHeight + framing + chrome;
    if (wanted <= notice.getPixelSize().d_height)
        return;
    const float height = std::min(wanted, 0.9f * screen.d_height);
    notice.setHeight(CEGUI::UDim(0, height));
    notice.setYPosition(CEGUI::UDim(0.5f, -std::floor(height / 2.0f)));
}
