#include "SoakGame.h"

#include "support/WindowInput.h"
#include "windows/Halvern.h"
#include "windows/NotificationBox.h"

#include <QApplication>

#include <iterator>

namespace tarvello::test {

namespace {

// Menu commands by the keyboard (the menu's access key, then the item's letters) whose windows the
// soak answers, or that change a setting.
struct MenuKeys {
    const char *name;
    Qt::Key menu;
    std::vector<Qt::Key> items;
};
const MenuKeys kMenuCommands[] = {
    {"Game > Disclaimer Statement", Qt::Key_G, {Qt::Key_D}},
    {"Options > Screen Color", Qt::Key_O, {Qt::Key_S}},
    {"Options > Maximum Display > Transaction", Qt::Key_O, {Qt::Key_M, Qt::Key_T}},
    {"Options > Maximum Display > Positions", Qt::Key_O, {Qt::Key_M, Qt::Key_P}},
    {"Help > About", Qt::Key_H, {Qt::Key_A}},
};

// What a player types in the quantity box before Return.
const char *const kTyped[] = {"1", "2", "5", "12", "f", "x1", ""};

void closeMenus()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

// Three to six inputs queued for the main window before any of them runs: a quantity typed with
// Return, menu commands by the keyboard, and clicks or access keys on the report buttons. Each acts on
// what the screen offers when it reaches the window, or not at all; a notice is never put up while
// another is (checkOneNotice).
void SoakGame::queuedInput()
{
    Halvern &m = w();
    forms::CommandButton *reports[] = {m.btnTradeHist, m.btnNewsHist, m.btnCloseTradeHistory,
                                       m.btnCloseNewsHist};
    std::string name = "queued input:";
    std::vector<std::function<void()>> inputs;
    // At the quantity prompt the input starts with the quantity, so that what follows reaches the
    // window while the Return's procedure runs.
    const bool atPrompt = m.inputUnits->visible() && m.inputUnits->enabled();
    for (int n = 3 + below(4); n > 0; --n) {
        switch (atPrompt && inputs.empty() ? 0 : below(3)) {
        case 0: {
            const QString typed = QString::fromLatin1(kTyped[below(static_cast<int>(std::size(kTyped)))]);
            name += " type \"" + typed.toStdString() + "\" Return";
            inputs.push_back([&m, typed] {
                for (const QChar c : typed)
                    postKey(m, static_cast<Qt::Key>(c.toUpper().unicode()));
                postKey(m, Qt::Key_Return);
            });
            break;
        }
        case 1: {
            const MenuKeys &command = kMenuCommands[below(static_cast<int>(std::size(kMenuCommands)))];
            name += std::string(" menu ") + command.name;
            inputs.push_back([&m, &command] {
                postKey(m, command.menu, Qt::AltModifier);
                for (Qt::Key item : command.items)
                    postKey(m, item);
            });
            break;
        }
        default: {
            forms::CommandButton *b = reports[below(static_cast<int>(std::size(reports)))];
            if (chance(0.5)) {
                name += " click " + b->objectName().toStdString();
                inputs.push_back([b] { postClick(*b); });
            } else {
                const QChar letter = b->caption().at(b->caption().indexOf(QLatin1Char('&')) + 1).toUpper();
                name += " Alt+" + QString(letter).toStdString();
                const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter.unicode() - u'A'));
                inputs.push_back([&m, key] { postKey(m, key, Qt::AltModifier); });
            }
            break;
        }
        }
    }
    take({name, 0, [&m, inputs, atPrompt] {
              m.activateWindow(); // the player's keys go to the main window
              QCoreApplication::processEvents();
              if (atPrompt)
                  m.inputUnits->setFocus();
              for (const auto &input : inputs)
                  input();
              QCoreApplication::processEvents();
              closeMenus();
          }});
    ++tally_["queued input"];
}

// One notice at a time: the box being answered is loaded (a notice put up in the meantime has not
// closed it under its caller) and it is the only one loaded.
bool SoakGame::checkOneNotice(const frmPlayerNotification &shown)
{
    if (!shown.loaded())
        return fail("a notice was shown in a box that another notice had closed: \"" +
                    shown.Label1->caption().toStdString() + "\"");
    int boxes = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const auto *box = qobject_cast<const frmPlayerNotification *>(widget);
        if (box && box->loaded())
            ++boxes;
    }
    if (boxes <= 1)
        return true;
    return fail("a notice was put up while another was up: " + std::to_string(boxes) + " boxes loaded");
}

} // namespace tarvello::test
