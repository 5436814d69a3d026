// The Fonts dialog: the main-program font and the five printout fonts, each either the built-in
// ("Default") or a chosen font; every change is stored at once.
#pragma once

#include "app/settings_display.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velor {

class FontsDialog : public QDialog
{
    Q_OBJECT
public:
    FontsDialog(Settings& settings, QWidget* parent);

    QCheckBox* defaultBox(FontSlot slot) const;
    QPushButton* changeButton(FontSlot slot) const;

private:
    struct SlotControls
    {
        FontSlot slot;
        QCheckBox* cbDefault;
        QPushButton* btnChange;
        QLabel* lblSample;
    };
    void cbDefaultClick(SlotControls& controls);
    void btnChangeClick(SlotControls& controls);
    void showSample(const SlotControls& controls);

    Settings& m_settings;
    std::vector<SlotControls> m_slots;
};

} // namespace velor
