#pragma once

#include "platform/forms/Twips.h"
#include "platform/forms/VbColor.h"
#include "platform/forms/VbFont.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QMenuBar;
class QVBoxLayout;

namespace tarvello::forms {

class FormRegistry;
class MenuItem;

// A window of the game. Each window class derives from Form, builds its controls in its constructor
// (in the client area, from tables of twips) and keeps no behaviour: the wiring code sets the event
// handlers to the game's procedures. Instances are made, loaded and unloaded by a FormRegistry.
//
// Events, as the game knows them:
//   Load      once per load, right after the controls are made, before anything else touches them;
//   Activate  each time the window becomes the active window of the program (when shown, and when a
//             modal window it owned closes), not when the program itself regains the focus;
//   Unload    on unload() and on the close box; a handler that sets Cancel to non-zero keeps the
//             window loaded (and on screen);
//   Paint     after the window has been painted (queued, so the handler may change what is shown).
class Form : public QWidget {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using UnloadHandler = std::function<void(int16_t &cancel)>;

    // The fixed frame around the client area: a border on each side, the title bar, and the menu bar of
    // a window that has menus.
    static constexpr int kBorderTwips = 45;
    static constexpr int kCaptionTwips = 285;
    static constexpr int kMenuBarTwips = 290;

    Form(const QString &name, int clientWidthTwips, int clientHeightTwips);
    ~Form() override;

    // A fixed dialog border: a title bar with a close box and no minimise or maximise button. Call it
    // in the constructor, before the window is first shown.
    void setFixedDialogBorder();

    // The area the controls are placed in, at twips (0, 0) below the menu bar.
    QWidget *client() const { return client_; }
    // Puts a top-level menu on the window's menu bar, which is made on first use.
    void addMenu(MenuItem *menu);
    QMenuBar *menuBar() const { return menuBar_; }

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);
    VbColor backColor() const { return backColor_; }
    void setBackColor(VbColor color);
    VbColor foreColor() const { return foreColor_; }
    void setForeColor(VbColor color);
    // The window's font, which the controls made on it start with.
    const FontSpec &fontSpec() const { return font_; }
    void setFontSpec(const FontSpec &font) { font_ = font; }

    // The outer frame in twips (Left, Top, Width, Height); the client area follows Width and Height.
    int twipLeft() const { return left_; }
    int twipTop() const { return top_; }
    int twipWidth() const;
    int twipHeight() const;
    void setTwipLeft(int left);
    void setTwipTop(int top);
    void setTwipWidth(int width);
    void setTwipHeight(int height);
    // The client area in twips.
    int scaleWidth() const { return clientWidth_; }
    int scaleHeight() const { return clientHeight_; }

    // The own Visible and Enabled flags. A disabled window takes no input: clicks, keys, shortcuts and
    // menus of its own never reach it, and it has no focus. Its controls keep their own Enabled flags
    // and their look: they are not greyed, so locking the window around a procedure draws nothing.
    // Enabled again, the window gives the focus back to the control that had it, if that control can
    // still take it.
    //
    // A window that hides never keeps the focus: it goes back to the window that had it when this one
    // was shown (or, failing that, to the owner the window was shown over), and there to the control
    // that had it; also when the window system hands the focus to the hidden window afterwards.
    bool visible() const { return visible_; }
    void setVisible(bool visible) override;
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Focus goes to the window only while it is enabled, as it does to a control.
    void setFocus();

    bool loaded() const { return loaded_; }
    // Show: modeless, or modal over an owner through the registry's modal host; a modal show returns
    // when the window is hidden or unloaded. Outside a registry a window can only be shown modeless.
    void showModeless();
    void showModal(Form *owner = nullptr);
    // Unload: runs the Unload handler; unless it cancels, hides the window and lets it go (the
    // registry makes a fresh one on the next touch). Returns false when cancelled.
    bool unload();

    void setLoadHandler(Handler handler) { load_ = std::move(handler); }
    void setActivateHandler(Handler handler) { activate_ = std::move(handler); }
    void setUnloadHandler(UnloadHandler handler) { unload_ = std::move(handler); }
    void setPaintHandler(Handler handler) { paint_ = std::move(handler); }
    // Click: a click on the window itself, where no control takes it.
    void setClickHandler(Handler handler) { click_ = std::move(handler); }

    // The player's click on the window: runs its procedure under the input rule (InputGate.h).
    void click();

    // Whether a procedure that input to the window or one of its controls or menus started is running.
    bool runningProcedure() const { return proceduresRunning_ > 0; }

signals:
    // The window was hidden or unloaded: a modal show of it ends.
    void hiddenOrUnloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class InputLock;
    friend class FormRegistry;
    friend class InputGate;
    void runLoad();
    void runActivate();
    void resizeClient(int widthTwips, int heightTwips);
    void giveFocusBack();

    FormRegistry *registry_ = nullptr;
    QVBoxLayout *layout_;
    QWidget *client_;
    QMenuBar *menuBar_ = nullptr;
    QString caption_;
    VbColor backColor_ = kSysButtonFace;
    VbColor foreColor_ = kSysButtonText;
    FontSpec font_;
    int left_ = 0;
    int top_ = 0;
    int clientWidth_;
    int clientHeight_;
    bool visible_ = false;
    bool enabled_ = true;
    bool loaded_ = false;
    bool unloading_ = false;
    bool paintQueued_ = false;
    int proceduresRunning_ = 0;
    Handler load_;
    Handler activate_;
    UnloadHandler unload_;
    Handler paint_;
    Handler click_;
    std::unique_ptr<InputLock> inputLock_; // while the window is disabled
    QPointer<QWidget> focusBeforeLock_;    // the control that had the focus when the window was disabled
    QPointer<Form> focusBack_;             // the window that had the focus when this one was shown
    QPointer<Form> owner_;                 // the window a modal show stands over
};

// The window a widget, menu or menu item belongs to; null for one outside every window.
Form *owningForm(const QObject *object);

// Whether the player's input can reach a widget: Qt enables it and the window it belongs to is enabled.
bool takesInput(const QWidget &widget);

} // namespace tarvello::forms
