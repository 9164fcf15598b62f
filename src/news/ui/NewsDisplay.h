#pragma once

#include "news/NewsReleases.h"

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmNewsDisplay;

void connectNewsWindow(frmNewsDisplay &window, App &app);

namespace newsdisplay {

void Form_Load(frmNewsDisplay &window, App &app);
void Form_Activate(frmNewsDisplay &window, App &app);
// Fits both text areas to the window.
void Form_Resize(frmNewsDisplay &window);
// Form_Click, Labelnews_Click and txtNewsDisplay_DblClick: the player is done reading.
void HideNews(frmNewsDisplay &window);
void txtNewsDisplay_Click(frmNewsDisplay &window);

} // namespace newsdisplay

// Sets the window's height, and the text areas with it.
void SetNewsWindowHeight(frmNewsDisplay &window, int height);
// Sets the height and which text area shows the text; the label gets the text box's text.
void ApplyNewsLayout(frmNewsDisplay &window, const NewsLayout &layout);
// Shows a news text under a caption, modally over the main window, in whatever layout the window has.
void ShowNewsText(App &app, const QString &caption, const QString &text);

} // namespace tarvello
