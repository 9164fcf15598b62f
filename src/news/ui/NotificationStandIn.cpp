// Stand-in for the notification box until its window is built: the notice is not shown.
#include "news/ui/Notification.h"

namespace tarvello {

void ShowNotification(App &, const QString &, const QString &, const QString &, int16_t) {}

void ShowNotification(App &app, const Notice &notice)
{
    ShowNotification(app, notice.title, notice.message, QString(), notice.code);
}

} // namespace tarvello
