// What the Calculations page shows beside the numbers: the velocity warnings of a result, the
// group captions with their tube/shell suffixes, the family of a type file, the order and
// selection of the result list under the five sorts, and the texts of the run's messages.
#pragma once

#include "app/language.h"
#include "catalogue/sizeselection.h"
#include "engine/run.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

// ---- Message entries of "MsgData.dat" the Calculations page uses ----

inline constexpr std::size_t kMsgProgressCaption = 0;
inline constexpr std::size_t kMsgNoResult = 1;
inline constexpr std::size_t kMsgWrongTemperatures = 2;
inline constexpr std::size_t kMsgBothInletConnections = 3;
inline constexpr std::size_t kMsgHotInletConnection = 4;
inline constexpr std::size_t kMsgColdInletConnection = 5;
inline constexpr std::size_t kMsgInformationTitle = 6;
inline constexpr std::size_t kMsgErrorTitle = 7;
inline constexpr std::size_t kMsgOk = 8;
inline constexpr std::size_t kMsgAskCalculate = 9;
inline constexpr std::size_t kMsgQuestionTitle = 10;
inline constexpr std::size_t kMsgCancel = 11;
inline constexpr std::size_t kMsgVaporNote = 13;
inline constexpr std::size_t kMsgSortedByType = 14; // 15..18: oversize, area, clean, fouled
inline constexpr std::size_t kMsgHotSide = 19;
inline constexpr std::size_t kMsgColdSide = 20;
inline constexpr std::size_t kMsgInTubes = 21;
inline constexpr std::size_t kMsgInShell = 22;
inline constexpr std::size_t kMsgColdConnection = 23;
inline constexpr std::size_t kMsgInternalVelocity = 24;
inline constexpr std::size_t kMsgNoResultHint = 27;
inline constexpr std::size_t kMsgContactPoland = 28;
inline constexpr std::size_t kMsgContactCzech = 29;
inline constexpr std::size_t kMsgReduceVaporVelocity = 30;

// ---- Families ----

/// True for the shell-and-tube and shell-and-coil type files ("M.dat", "RUV*.dat", "ND.dat",
/// "T*.dat", "GT.dat", "GV.dat"); false for the plate types and anything else.
bool isTubularTypeFile(std::string_view typeFile);

/// The Design page tab of a type file's family.
enum class DesignTab
{
    None, // GT, GV, E12, E57 and unknown files: the Design page shows no tab
    RUVW,
    RUV,
    M,
    P1, // single brazed plate types
    P2, // their "-2" variants
};
DesignTab designTabFor(std::string_view typeFile);

// ---- Velocity warnings ----

/// One line of a warning: a message with, optionally, a limit (m/s) written after it and a
/// second message joined by ". ".
struct WarningLine
{
    std::size_t message = 0;
    std::optional<long double> limit; // m/s
    std::optional<std::size_t> tail;  // message appended after ". "
    bool operator==(const WarningLine&) const = default;
};
/// One warning dialog: its lines in order.
using VelocityWarning = std::vector<WarningLine>;

/// The warnings a result raises, in the order they are shown. Velocities are compared in m/s,
/// strictly (a value equal to its limit raises nothing). `hotLocation` is where the hot side
/// flows; the cold side flows on the other side.
std::vector<VelocityWarning> VelocityWarnings(const TResultTypeB& result, HotSideKind hotSide,
                                              FlowLocation hotLocation);

/// The velocity unit the warnings are written in: "m/s" (0) for KORVANEX, ISO and METRIC, "ft/h"
/// (1) for US, and for "Other" the stored unit of the hot inlet connection velocity (an index
/// outside the list falls back to "m/s").
int warningVelocityUnit(int preset, int storedInletVelocityUnit);

/// The text of a warning line: message + " " + limit (one decimal, in `velocityUnit`) + " " +
/// unit name, then ". " + tail when there is one; a line without a limit is message + " ".
std::string warningLineText(const TListNames& messages, const WarningLine& line, int velocityUnit);

// ---- Captions ----

/// The caption of a side's group: message 19 (hot) or 20 (cold), and for a shell-and-tube or
/// coil type " - " + message 21 (in the tubes or coil) or 22 (in the shell). nullopt when the
/// message file lacks the entries (the caption stays as it is).
std::optional<std::string> sideCaption(const TListNames& messages, bool hotSide, std::string_view typeFile,
                                       FlowLocation location);

/// The lines of the no-result message: entries 1 and 27, then 28 for the contact "Poland" or 29
/// for "Czech Republic".
std::vector<std::string> noResultLines(const TListNames& messages, std::string_view contact);

/// The text of the vapor note: entry 13 + " " + designation + "."; empty when either is empty.
std::string vaporNoteText(const TListNames& messages, std::string_view designation);

// ---- The result list and its sorts ----

/// The five items of the sort menu.
enum class SortItem
{
    Type,
    Oversize,
    Area,
    Clean,
    Fouled,
};

/// The lines of the result list box, the selected line, and the sort menu's state. The result
/// list itself is never reordered; only the lines are.
class ResultListState
{
public:
    /// A new result list (a run, a project load, a double-click display): lines in rating order,
    /// line 0 selected, the sort reset.
    void setResults(const std::vector<TResultTypeB>* results);
    /// The list emptied (New): no lines, no selection.
    void clear();

    /// Resets the sort: fresh list, "Sort by Type" checked, the direction button disabled.
    void ResetSort();
    /// "Sort by Type": rating order again, the selected size kept selected.
    void Sortbytype();
    /// A value sort in the current direction (descending while the arrow shows image 0).
    void SortByValue(SortItem item);
    /// Toggles the direction and repeats the checked value sort (nothing for "Sort by Type").
    void SortArrowClick();
    /// What the sort menu shows as checked when it opens.
    SortItem checkedOnPopup() const { return m_fresh ? SortItem::Type : m_checked; }

    const std::vector<std::string>& lines() const { return m_lines; }
    /// The selected line, or -1.
    int selected() const { return m_selected; }
    void select(int line) { m_selected = line >= 0 && line < static_cast<int>(m_lines.size()) ? line : -1; }
    std::string selectedText() const;

    bool fresh() const { return m_fresh; }
    SortItem checked() const { return m_checked; }
    /// Image of the direction button: 0 descending, 1 ascending.
    int arrowImage() const { return m_arrowImage; }
    bool arrowEnabled() const { return m_arrowEnabled; }
    /// Message entry of the sort caption (14 .. 18).
    std::size_t captionEntry() const { return m_captionEntry; }

    /// The result whose `SizeName` equals the line's text (the last one when several do).
    const TResultTypeB* resultForLine(int line) const;

private:
    bool hasResults() const { return m_results && !m_results->empty(); }
    void refill(std::vector<std::string> lines);

    const std::vector<TResultTypeB>* m_results = nullptr;
    std::vector<std::string> m_lines;
    int m_selected = -1;
    bool m_fresh = true;
    SortItem m_checked = SortItem::Type;
    int m_arrowImage = 0;
    bool m_arrowEnabled = false;
    std::size_t m_captionEntry = kMsgSortedByType;
};

} // namespace velor
