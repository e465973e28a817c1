// The panel's choice of detector: the classic one alone, or with the second
// opinion where it finds nothing.
#include "panels/Preferences.h"

#include <QWidget>

namespace clefmark {

void Preferences::awakeDetection(QWidget* window)
{
    detectionCombo_ = window->findChild<QComboBox*>(QStringLiteral("detectionCombo"));
    if (!detectionCombo_)
        return;
    if (!settings_.secondOpinion || !settings_.setSecondOpinion) {
        detectionCombo_->setEnabled(false);
        return;
    }
    detectionCombo_->setCurrentIndex(settings_.secondOpinion() ? 1 : 0);
    // Chosen by the user only: the panel's own changes are sent explicitly.
    connect(detectionCombo_, &QComboBox::activated, this, &Preferences::detectionChosen);
}

void Preferences::detectionChosen(int index)
{
    if (settings_.setSecondOpinion && index >= 0)
        settings_.setSecondOpinion(index == 1);
}

} // namespace clefmark
