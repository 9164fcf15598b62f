#pragma once

#include <QProxyStyle>

namespace tarvello::forms {

// The platform style with the icons of the tool bar and menu bar extension buttons made only when
// first drawn. Every menu bar makes its extension button at once, and finding that button's icon
// reads the icon theme; the button shows only on a bar too narrow for its menus, which the game's
// windows never are. Everything else is the base style's.
class GameStyle final : public QProxyStyle {
public:
    GameStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// Settings of the whole program, made once the application object exists and before any window:
// the style above and one thread for the painter's pool. The painter hands the pixels of a large fill
// to a pool of threads, one a processor, and waits for them; the game's windows are small, and on a
// busy machine starting and waking those threads costs more processor time than it saves.
void setUpApplication();

} // namespace tarvello::forms
