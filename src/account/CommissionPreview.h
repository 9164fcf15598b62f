#pragma once

#include <QString>

namespace tarvello {

struct AccountState;

// What the score would be after a charge of $25.00 per trade. The game charges nothing: this only
// computes the texts of the "Commission Charges" window, each "$" and the value in "standard" form.
struct CommissionPreview {
    QString scoreAfter;
    QString commissions;
    QString scoreBefore;
};

CommissionPreview previewCommissions(const AccountState &account);

} // namespace tarvello
