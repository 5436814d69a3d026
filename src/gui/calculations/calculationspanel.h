// The contents of the "Calc&ulations" page: the result list `ListBox2` with its sort menu and
// direction button, and the "&Rating" page with the duty as entered, the rating of the selected
// size in the units of its twenty unit boxes, the group captions with their tube/shell suffixes,
// the velocity warnings, the vapor note, and the buttons of the fluid reference and more results.
#pragma once

#include "app/calcdisplay.h"
#include "app/heatbalance.h"
#include "app/messagedialog.h"
#include "base/programfolder.h"
#include "catalogue/catalogrecords.h"
#include "fluids/fluidfiles.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace velor {

class TExtendedEdit;
class UnitBoxSet;

class CalculationsPanel : public QWidget
{
    Q_OBJECT
public:
    /// Builds the page and registers its twenty unit boxes and its value fields in `units` (the
    /// Calculations page's set, group "Units\Calculations\Output").
    CalculationsPanel(Settings& settings, ProgramFolder folder, UnitBoxSet* units, QWidget* parent = nullptr);

    /// The duty the Rating page shows its inputs from (the Parameters page's heat balance).
    void setBalance(const HeatBalance* balance) { m_balance = balance; }

    // ---- Hooks to the main window ----
    /// The index of the window's units-standard box (KORVANEX when not set).
    std::function<int()> unitPreset;
    /// Enables or disables Preview and Print (menu and toolbar).
    std::function<void(bool)> setReportCommandsEnabled;
    /// The caption of the hot outlet temperature on the Parameters page (liquid or condenser).
    std::function<QString(HotSideKind)> hotOutletCaption;
    /// Told the number of results whenever the result list is replaced or emptied.
    std::function<void(int)> resultsChanged;
    /// Shows a message and answers the position of the chosen button (a modal dialog by default).
    std::function<int(const MessageSpec&)> ask;

    // ---- The result list ----
    const std::vector<TResultTypeB>& results() const { return m_results; }
    bool hasResults() const { return !m_results.empty(); }
    /// Replaces the result list as a whole (a run or a project load) and fills the list box in
    /// rating order; the fresh-list flag is set. Nothing is selected or shown.
    void setResults(std::vector<TResultTypeB> results);
    /// Empties the result list and the list box (New).
    void clearResults();
    /// Every value field to 0, both fluid names empty, the list box emptied.
    void resetRatingPage();
    const ResultListState& listState() const { return m_list; }
    /// Selects a line of the list box (−1: none) without showing it.
    void selectLine(int line);

    /// The vapor connection designation of the last condensing run, and the note label.
    const std::string& vaporConnection() const { return m_vaporConnection; }
    void setVaporConnection(std::string designation) { m_vaporConnection = std::move(designation); }
    /// Shows the vapor note (entry 13 + designation) or hides it with empty text.
    void showVaporNote(const QString& text);
    QString vaporNote() const;

    // ---- What the selection leaves for the Design page and the reports ----
    const THERecList& TechDataCandidates() const { return m_techData; }
    const std::string& currentTypeFile() const { return m_currentTypeFile; }
    const std::string& currentSizeName() const { return m_currentSizeName; }
    const std::string& selectionContext() const { return m_selectionContext; }

    /// Shows a size of the selected-sizes list without rating it (liquid hot side only): one
    /// record with zero values, the fouling factor input and the size's type file.
    void showUnrated(const std::string& sizeName);

    /// A change of the Rating page's sub-page is allowed only with a liquid hot side.
    bool pageChangeAllowed() const;
    bool ratingPageActive() const;
    /// Makes the "&Rating" page the active sub-page.
    void showRatingPage();

    // ---- Handlers ----
    void ListBox2Click();
    void ResetSort();
    void Sortbytype1Click();
    void Sortbyoversize1Click();
    void SortbyHTA1Click();
    void SortbyOHTCclean1Click();
    void SortbyOHTCfouling1Click();
    void tbSortArrowClick();
    void PopupMenu1Popup();
    void btnFluidsClick();
    void btnMoreResultsClick();

    /// Captions, hints and the sort menu from the language's "Data.dat" (an empty list: the
    /// built-in English). The side captions of a shown result and the sort caption come from
    /// "MsgData.dat".
    void translate(const TListNames& data);

    UnitBoxSet* units() const { return m_units; }

private:
    QWidget* buildResultList();
    QWidget* buildRatingPage();
    QGroupBox* buildSide(bool hot);
    TExtendedEdit* addValueRow(QGridLayout* grid, int row, const QString& caption, const char* field,
                               const char* box, std::optional<Quantity> quantity, const char* unitKey,
                               const char* precisionKey, QLabel** labelOut = nullptr,
                               QWidget** boxOut = nullptr);
    void showLines();
    void showSortState();
    void valueSort(SortItem item);
    void fillRating(const TResultTypeB& record);
    void showVelocityWarnings(const TResultTypeB& record);
    int presetNow() const;
    int showMessage(const MessageSpec& spec);
    HotSideKind hotSide() const;

    Settings& m_settings;
    ProgramFolder m_folder;
    UnitBoxSet* m_units;
    const HeatBalance* m_balance = nullptr;
    std::vector<TResultTypeB> m_results;
    ResultListState m_list;
    std::string m_vaporConnection;
    THERecList m_techData;
    std::string m_currentTypeFile;
    std::string m_currentSizeName;
    std::string m_selectionContext;
    void recordBuiltInTexts();
    TListNames m_dataTexts;         // "Data.dat" of the current language (empty: English)
    std::vector<QString> m_builtIn; // the English text of every translated control
    QString m_builtInTab;
    int m_pageIndex = 0; // the sub-page kept while the hot side condenses
    int m_filling = 0;   // >0: the list box is being filled by the program

    QListWidget* ListBox2 = nullptr;
    QLabel* lblTypeSortedList = nullptr;
    QToolButton* tbSortArrow = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction *Sortbytype1 = nullptr, *Sortbyoversize1 = nullptr, *SortbyHTA1 = nullptr,
            *SortbyOHTCclean1 = nullptr, *SortbyOHTCfouling1 = nullptr;
    QTabWidget* pcCalc = nullptr;
    QWidget* RatingTabSheet = nullptr;
    QGroupBox* gbHotSideCalc = nullptr;
    QGroupBox* gbColdSideCalc = nullptr;
    QLineEdit* edLiquidHSideCalc = nullptr;
    QLineEdit* edLiquidCSideCalc = nullptr;
    TExtendedEdit *edCapacityCalc = nullptr, *edOversurfacingCalc = nullptr, *edNoUnitsSeriesCalc = nullptr,
                  *edNoUnitsParallelCalc = nullptr, *edHeatTranAreaCalc = nullptr, *edLMTDCalc = nullptr,
                  *edFoulingFactorCalc = nullptr, *edHeatTranCoeffCalc = nullptr,
                  *edHeatTranCoeffFoulCalc = nullptr;
    // Per side: pressure, pressure drop, inlet temperature, mass flow, inlet volume flow,
    // outlet temperature, outlet volume flow.
    struct SideFields
    {
        TExtendedEdit *press = nullptr, *drop = nullptr, *inTemp = nullptr, *mass = nullptr, *inVol = nullptr,
                      *outTemp = nullptr, *outVol = nullptr;
        QLabel* dropLabel = nullptr;
        QWidget* dropBox = nullptr;
        QLabel* outTempLabel = nullptr;
    };
    SideFields m_hot, m_cold;
    QPushButton* btnFluids = nullptr;
    QPushButton* btnMoreResults = nullptr;
    QLabel* lblVapNote = nullptr;
};

} // namespace velor
