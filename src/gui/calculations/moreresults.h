// The "More Results" window `TOtherResults`: connection and internal velocities, Reynolds and
// Nusselt numbers, film coefficients and NTU of both sides of the selected result.
#pragma once

#include "app/language.h"
#include "engine/result.h"
#include "units/units.h"

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace velor {

class TExtendedEdit;

class TOtherResults : public QDialog
{
    Q_OBJECT
public:
    TOtherResults(Settings& settings, QWidget* parent);

    /// Loads the window: unit boxes and preset from the settings, decimals, the values of `r`;
    /// a condensing hot side hides the NTU row of both sides.
    void Fill(bool hotLiquid, const TResultTypeB& r);
    /// Captions and hints from "OtherRes.dat" (entries beyond the file keep the English).
    void translate(const TListNames& texts);

    void cbUnitsStandardChange(int index);
    void btnOKClick();

private:
    // The eight unit boxes: six velocities, two film coefficients.
    struct UnitRow
    {
        QComboBox* combo;
        TExtendedEdit* field;
        Quantity quantity;
        const char* key;
    };
    void unitBoxChange(std::size_t row);
    void storeAll();
    TExtendedEdit* addRow(QGridLayout* grid, int row, QLabel** label, const QString& caption,
                          const char* field, const char* box, const char* key,
                          std::optional<Quantity> quantity);
    QGroupBox* buildSide(bool hot);

    Settings& m_settings;
    std::vector<UnitRow> m_units;
    std::vector<TExtendedEdit*> m_plain; // Reynolds, Nusselt, NTU
    struct Side
    {
        QGroupBox *group = nullptr, *connections = nullptr, *internal = nullptr, *transfer = nullptr;
        QLabel *inVel = nullptr, *outVel = nullptr, *vel = nullptr, *reyn = nullptr, *htc = nullptr,
               *nuss = nullptr, *ntu = nullptr, *ntuUnit = nullptr;
        TExtendedEdit *edInVel = nullptr, *edOutVel = nullptr, *edVel = nullptr, *edReyn = nullptr,
                      *edAlpha = nullptr, *edNuss = nullptr, *edNTU = nullptr;
    };
    Side m_hot, m_cold;
    QComboBox* cbUnitsStandard = nullptr;
    QPushButton* btnOK = nullptr;
    bool m_loading = false;
};

} // namespace velor
