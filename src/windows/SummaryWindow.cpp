#include "windows/SummaryWindow.h"

namespace tarvello {

namespace {

using forms::Justify;
using forms::TwipRect;

// Design colours of the window and every label: yellow text on blue.
using forms::colors::kBlue;
using forms::colors::kYellow;

constexpr int kMargin = 240;
constexpr int kValueLeft = 2760;
constexpr int kCaptionWidth = 2415;
constexpr int kRowHeight = 255;
constexpr int kButtonTop = 2640;
constexpr int kButtonWidth = 1455;
constexpr int kButtonHeight = 420;
constexpr int kButtonGap = 360;
constexpr int kClientHeight = 3300;

using Member = forms::Label *SummaryWindow::*;

} // namespace

SummaryWindow::SummaryWindow(const Design &design)
    : Form(QString::fromLatin1(design.name), design.clientWidth, kClientHeight)
{
    setFixedDialogBorder();
    setCaption(QString::fromLatin1(design.caption));
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, false});
    setBackColor(kBlue);
    setForeColor(kYellow);

    const int width = design.clientWidth;
    const int valueWidth = width - kValueLeft - kMargin;
    auto make = [this](Member member, const char *name, const char *caption, const TwipRect &rect) {
        auto *label = new Label(client(), QString::fromLatin1(name), QString::fromLatin1(caption));
        label->setTwipRect(rect);
        label->setForeColor(kYellow);
        label->setBackColor(kBlue);
        this->*member = label;
        return label;
    };

    // The message line and the "Commissions:" caption: Label2 and Label1, or the other way round.
    const bool swap = design.messageIsLabel1;
    const Member message = swap ? &SummaryWindow::Label1 : &SummaryWindow::Label2;
    const Member commissions = swap ? &SummaryWindow::Label2 : &SummaryWindow::Label1;
    message_ = make(message, swap ? "Label1" : "Label2", "", {kMargin / 2, 120, width - kMargin, 495});
    message_->setJustify(Justify::Center);

    const forms::FontSpec scoreFont{QStringLiteral("MS Sans Serif"), 12.0f, true};
    make(&SummaryWindow::Label11, "Label11", "Final Score:", {kMargin, 720, kCaptionWidth, 330})
        ->setFontSpec(scoreFont);
    Label *score = make(&SummaryWindow::Label7, "Label7", "", {kValueLeft, 720, valueWidth, 330});
    score->setFontSpec(scoreFont);
    score->setJustify(Justify::Right);

    make(&SummaryWindow::Label6, "Label6", "", {kMargin, 1080, width - 2 * kMargin, kRowHeight})
        ->setCaption(QString(design.ruleLength, QLatin1Char('=')));

    // The rows of figures: caption label, its caption, value label.
    const struct {
        Member caption;
        const char *captionName;
        const char *text;
        Member value;
        const char *valueName;
    } rows[] = {
        {&SummaryWindow::Label9, "Label9", "Realized P(L):", &SummaryWindow::Label4, "Label4"},
        {&SummaryWindow::Label8, "Label8", "Unrealized P(L):", &SummaryWindow::Label3, "Label3"},
        {&SummaryWindow::Label10, "Label10", "Regulatory Fines:", &SummaryWindow::Label5, "Label5"},
        {commissions, swap ? "Label2" : "Label1", "Commissions:", &SummaryWindow::label12, "label12"},
    };
    int top = 1380;
    for (const auto &row : rows) {
        make(row.caption, row.captionName, row.text, {kMargin, top, kCaptionWidth, kRowHeight});
        make(row.value, row.valueName, "", {kValueLeft, top, valueWidth, kRowHeight})
            ->setJustify(Justify::Right);
        top += 270;
    }

    const int count = static_cast<int>(design.buttons.size());
    int left = (width - (count * kButtonWidth + (count - 1) * kButtonGap)) / 2;
    for (const auto &[name, caption] : design.buttons) {
        auto *button = new CommandButton(client(), QString::fromLatin1(name), QString::fromLatin1(caption));
        button->setTwipRect({left, kButtonTop, kButtonWidth, kButtonHeight});
        buttons_.push_back(button);
        left += kButtonWidth + kButtonGap;
    }
}

} // namespace tarvello
