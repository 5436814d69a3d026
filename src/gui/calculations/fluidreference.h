// The "Fluid Reference" dialog `TInfoFluidsCalc`: pressure, reference temperature, density, heat
// capacity, conductivity, viscosity and Prandtl number of both fluids of the selected result,
// evaluated from the fluid working copies.
#pragma once

#include "app/language.h"
#include "fluids/fluidfiles.h"

#include <QDialog>
#include <array>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velor {

class TExtendedEdit;

class TInfoFluidsCalc : public QDialog
{
    Q_OBJECT
public:
    TInfoFluidsCalc(Settings& settings, FluidFiles files, QWidget* parent);

    /// Loads the units and fills both sides. `hotKind` is "Liquid" or "Vapor". Temperatures
    /// deg.C, pressures kPa, Prandtl numbers plain.
    void ShowFluids(const std::string& hotName, const std::string& coldName, const std::string& hotKind,
                    long double pHotIn, long double pColdIn, long double tHotIn, long double tHotOut,
                    long double tColdIn, long double tColdOut, long double prandtlHS, long double prandtlCS);
    /// Captions from "CalcFluids.dat" (entries beyond the file keep the English).
    void translate(const TListNames& texts);

    void cbUnitsStandardChange(int index);
    void btnOKClick();

    /// Whether a side's properties were found (false: the side shows "no data").
    bool hasData(bool hot) const { return hot ? m_hot.found : m_cold.found; }

private:
    enum Row
    {
        Pressure,
        RefTemp,
        Density,
        HeatCap,
        Cond,
        DynVisc,
        kUnitRows
    };
    struct Side
    {
        QGroupBox* group = nullptr;
        QLineEdit* name = nullptr;
        std::array<TExtendedEdit*, kUnitRows> fields{};
        std::array<QComboBox*, kUnitRows> boxes{};
        std::array<QLabel*, kUnitRows + 1> labels{};
        TExtendedEdit* prandtl = nullptr;
        QLabel* noData = nullptr;
        bool found = false;
    };
    QGroupBox* buildSide(bool hot);
    void unitBoxChange(bool hot, int row);
    void applyUnits();
    void storeAll();
    void showSide(Side& side, bool found);

    Settings& m_settings;
    FluidFiles m_files;
    Side m_hot, m_cold;
    QComboBox* cbUnitsStandard = nullptr;
    QPushButton* btnOK = nullptr;
    bool m_loading = false;
};

} // namespace velor
