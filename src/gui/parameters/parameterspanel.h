// The contents of the "P&arameters" page: the duty fields with their unit boxes, the hot side
// ("Liquid" / "Vapor Condenser") and the cold side, the fluid lists, the tube/shell radios, the
// type tree "Heat Exchangers" and the list "Selected Heat Exchangers". The widgets forward every
// change to the heat balance and the size selection and show what those hold.
#pragma once

#include "app/heatbalance.h"
#include "app/language.h"
#include "app/unitboxes.h"
#include "base/programfolder.h"
#include "catalogue/sizeselection.h"
#include "fluids/fluidfiles.h"

#include <QComboBox>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velor {

class TExtendedSpinEdit;

/// A fluid drop-down list that reports when it is about to drop down.
class FluidComboBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void dropDown();
};

class ParametersPanel : public QWidget
{
    Q_OBJECT
public:
    /// Builds the page contents and registers the unit boxes and value fields in `units` (the
    /// Parameters page's set). Nothing is restored until `startUp`.
    ParametersPanel(Settings& settings, ProgramFolder folder, UnitBoxSet* units, QWidget* parent = nullptr);
    ~ParametersPanel() override;

    /// Start-up, after the input units and decimals are applied: the last fluids and working
    /// copies, the last duty with its flows from the heat load, and the type tree.
    void startUp();
    /// Shut-down: stores the last duty.
    void shutDown();

    HeatBalance& balance() { return *m_balance; }
    SizeSelection& selection() { return m_selection; }
    TExtendedSpinEdit* field(DutyField f) const { return m_fields[static_cast<std::size_t>(f)]; }
    /// Marks a temperature field and its label red (the calculation's input check) or black.
    void setFieldRed(DutyField f, bool red);
    /// Replaces the selected sizes as a whole (a loaded project, the size of a project opened from
    /// the command line): the list shows exactly these names and the tree ticks exactly their nodes.
    void setSelectedSizes(const std::vector<std::string>& names);
    /// Marks the caption "Heat Exchangers" and every tree node red (empty selection).
    void markTreeRed();
    /// The red marks of the calculation's input check: the group's temperature field and label,
    /// or the tree for an empty selection; `CheckMark::None` turns every mark black.
    void markRed(CheckMark mark);

    /// Around a unit-set preset or a re-application of units and decimals by the main window:
    /// the redisplays are not user changes, every driver mark is cleared.
    void beginUnitChange();
    void endUnitChange();
    /// New project: every field to 0 in its display unit, every mark clear.
    void clearDuty();

    /// Captions and hints from the language's "Data.dat"; entries the file lacks keep their text.
    void translate(const TListNames& data);
    /// The family nodes of the tree: at start-up (`oldData` empty) a node whose text is the key of
    /// entry 2-6 takes that entry's text; after a language switch a node whose text is the old
    /// entry's text takes the new entry's text.
    void translateTree(const TListNames& oldData, const TListNames& newData);

    // Handlers of the page's controls.
    void pcHotSideChange(int index);
    void rbSTCTubesHSClick();
    void rbSTCShellHSClick();
    void rbSTCTubesCSClick();
    void rbSTCShellCSClick();
    void cbLiquidHSideDropDown();
    void cbLiquidCSideDropDown();
    void cbVaporHSideDropDown();
    void cbLiquidHSideChange(int index);
    void cbLiquidCSideChange(int index);
    void cbVaporHSideChange(int index);
    void TreeNT1Checked(QTreeWidgetItem* item);
    void edCapacityChange();
    /// The change event of any value field.
    void edFieldChange(DutyField f);

private:
    struct Guard;
    QWidget* buildGeneral();
    QWidget* buildLiquidPage(bool hot);
    QWidget* buildCondenserPage();
    QWidget* buildArrangement();
    QWidget* buildTree();
    /// A label, a value field and (for a physical quantity) a unit box in a grid row.
    void addFieldRow(QGridLayout* grid, int row, DutyField f, const QString& caption);
    FluidComboBox* makeFluidBox(const char* name, FluidList list);
    QPushButton* makeEditorButton(const char* name, const QString& caption);

    void showValue(DutyField f, long double baseValue);
    void showFluidList(FluidList list);
    void showSides();
    void buildTreeItems();
    void showSelection();
    void afterDutyChange();

    Settings& m_settings;
    ProgramFolder m_folder;
    QPointer<UnitBoxSet> m_units;
    FluidFiles m_files;
    SizeSelection m_selection;
    std::unique_ptr<HeatBalance> m_balance;
    int m_silent = 1; // >0: value-field changes are the program's own, not forwarded

    std::array<TExtendedSpinEdit*, kDutyFieldCount> m_fields{};
    std::array<QLabel*, kDutyFieldCount> m_labels{};
    std::array<FluidComboBox*, 3> m_fluidBoxes{};

    QTabWidget* pcHotSide = nullptr;
    QWidget* LiquidHotSide = nullptr;
    QWidget* VaporCondHotSide = nullptr;
    QTabWidget* pcColdSide = nullptr;
    QWidget* LiquidColdSide = nullptr;
    QPushButton* btnLiquidHS = nullptr;
    QPushButton* btnLiquidCS = nullptr;
    QPushButton* btnVaporHS = nullptr;
    QRadioButton* rbSTCTubesHS = nullptr;
    QRadioButton* rbSTCShellHS = nullptr;
    QRadioButton* rbSTCTubesCS = nullptr;
    QRadioButton* rbSTCShellCS = nullptr;
    QLabel* lblHeatExchangers = nullptr;
    QTreeWidget* TreeNT1 = nullptr;
    QLabel* lblSelectedHeatExchangers = nullptr;
    QListWidget* ListBox1 = nullptr;
    std::vector<QTreeWidgetItem*> m_items; // by node id of the selection's tree
    std::vector<QGroupBox*> m_inletGroups;
    std::vector<QGroupBox*> m_outletGroups;
    std::vector<QGroupBox*> m_hotGroups;
    std::vector<QGroupBox*> m_coldGroups;
};

} // namespace velor
