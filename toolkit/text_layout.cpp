#include "text_layout.h"

namespace {

void wrapParagraph(TCanvas& canvas, const std::string& paragraph, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
        std::size_t blank = paragraph.find(' ', pos);
        std::size_t end = blank == std::string::npos ? paragraph.size() : blank;
        std::string word = paragraph.substr(pos, end - pos);
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && canvas.TextWidth(candidate) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        pos = end + 1;
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> TextLines(TCanvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    for (;;) {
        std::size_t end = text.find('\n', pos);
        std::string paragraph = text.substr(pos, end == std::string::npos ? end : end - pos);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        if (width > 0)
            wrapParagraph(canvas, paragraph, width, lines);
        else
            lines.push_back(paragraph);
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    return lines;
}

int LineHeight(TCanvas& canvas) {
    return canvas.TextHeight("Ag");
}

void DrawTextLines(TCanvas& canvas, const TRect& rect, const std::vector<std::string>& lines,
                   TAlignment alignment) {
    const int lineHeight = LineHeight(canvas);
    int y = rect.Top;
    for (const std::string& line : lines) {
        const int width = canvas.TextWidth(line);
        int x = rect.Left;
        if (alignment == taCenter) x = rect.Left + (rect.Width() - width) / 2;
        if (alignment == taRightJustify) x = rect.Right - width;
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
}
