// Velocity warnings, captions, families and the result-list sorts of the Calculations page.
#include "app/calcdisplay.h"

#include "base/numtext.h"
#include "units/units.h"

#include <algorithm>
#include <array>

namespace velor {

namespace {

constexpr std::array<std::string_view, 12> kTubularFiles{"M.dat",     "RUV.dat", "RUVD.dat", "RUVW.dat",
                                                         "RUVWD.dat", "ND.dat",  "T.dat",    "TD.dat",
                                                         "TW.dat",    "TWD.dat", "GT.dat",   "GV.dat"};
constexpr std::array<std::string_view, 8> kPlateTypes{"PF10", "PF20", "PF30", "PG25",
                                                      "PG40", "PG55", "PH90", "PH150"};

// Connection velocity limit of a liquid, m/s.
constexpr long double kLiquidConnectionLimit = 5.5L;

} // namespace

bool isTubularTypeFile(std::string_view typeFile)
{
    return std::find(kTubularFiles.begin(), kTubularFiles.end(), typeFile) != kTubularFiles.end();
}

DesignTab designTabFor(std::string_view typeFile)
{
    if (typeFile == "RUVW.dat" || typeFile == "RUVWD.dat")
        return DesignTab::RUVW;
    for (std::string_view f : {"TW.dat", "TWD.dat", "RUV.dat", "RUVD.dat", "ND.dat", "T.dat", "TD.dat"})
        if (typeFile == f)
            return DesignTab::RUV;
    if (typeFile == "M.dat")
        return DesignTab::M;
    for (std::string_view code : kPlateTypes) {
        if (typeFile == std::string(code) + ".dat")
            return DesignTab::P1;
        if (typeFile == std::string(code) + "-2.dat")
            return DesignTab::P2;
    }
    return DesignTab::None;
}

// ---- Velocity warnings ----

std::vector<VelocityWarning> VelocityWarnings(const TResultTypeB& r, HotSideKind hotSide,
                                              FlowLocation hotLocation)
{
    std::vector<VelocityWarning> out;
    const WarningLine internal{kMsgInternalVelocity, std::nullopt, std::nullopt};
    const bool hotHigh = r.InVelConHS > kLiquidConnectionLimit;
    const bool coldHigh = r.InVelConCS > kLiquidConnectionLimit;
    if (hotSide == HotSideKind::Liquid) {
        // Internal velocity: the GV coils allow 2.5 m/s in the coil and 3 m/s in the shell.
        bool internalHigh = false;
        if (r.TypeFile == "GV.dat") {
            const long double hotLimit = hotLocation == FlowLocation::Tubes ? 2.5L : 3.0L;
            const long double coldLimit = hotLocation == FlowLocation::Tubes ? 3.0L : 2.5L;
            internalHigh = r.VelTubeSpHS > hotLimit || r.VelTubeSpCS > coldLimit;
        } else {
            internalHigh = r.VelTubeSpHS > 2.0L || r.VelTubeSpCS > 2.0L;
        }
        if (internalHigh)
            out.push_back({internal});
        if (hotHigh && coldHigh)
            out.push_back({{kMsgBothInletConnections, kLiquidConnectionLimit, std::nullopt}});
        else if (hotHigh)
            out.push_back({{kMsgHotInletConnection, kLiquidConnectionLimit, std::nullopt}});
        else if (coldHigh)
            out.push_back({{kMsgColdInletConnection, kLiquidConnectionLimit, std::nullopt}});
        return out;
    }
    // Condensing: the GT coils take 120 m/s inside and 100 m/s of vapor in the inlet connection;
    // every other type 100 m/s and 60 m/s, with the advice to reduce the vapor velocity.
    const bool gt = r.TypeFile == "GT.dat";
    const bool internalHigh = gt ? (r.VelTubeSpHS > 120.0L || r.VelTubeSpCS > 2.5L) : r.VelTubeSpHS > 100.0L;
    const long double vaporLimit = gt ? 100.0L : 60.0L;
    const std::optional<std::size_t> advice =
        gt ? std::nullopt : std::optional<std::size_t>(kMsgReduceVaporVelocity);
    const bool vaporHigh = r.VapVelConHS > vaporLimit;
    if (internalHigh)
        out.push_back({internal});
    if (vaporHigh && coldHigh)
        out.push_back({{kMsgHotInletConnection, vaporLimit, std::nullopt},
                       {kMsgColdConnection, kLiquidConnectionLimit, advice}});
    else if (vaporHigh)
        out.push_back({{kMsgHotInletConnection, vaporLimit, advice}});
    else if (coldHigh)
        out.push_back({{kMsgColdInletConnection, kLiquidConnectionLimit, std::nullopt}});
    return out;
}

int warningVelocityUnit(int preset, int storedInletVelocityUnit)
{
    if (preset == kPresetUs)
        return 1;
    if (preset != kPresetOther)
        return 0;
    const auto units = unitList(Quantity::Velocity);
    return storedInletVelocityUnit >= 0 && static_cast<std::size_t>(storedInletVelocityUnit) < units.size()
               ? storedInletVelocityUnit
               : 0;
}

std::string warningLineText(const TListNames& messages, const WarningLine& line, int velocityUnit)
{
    std::string text = messages.textOr(line.message, "") + " ";
    if (line.limit) {
        const auto units = unitList(Quantity::Velocity);
        const auto unit = static_cast<std::size_t>(velocityUnit) < units.size() ? velocityUnit : 0;
        text += formatFixed(convertFromBase(Quantity::Velocity, unit, *line.limit), 1) + " " +
                std::string(units[static_cast<std::size_t>(unit)].name);
    }
    if (line.tail)
        text += ". " + messages.textOr(*line.tail, "");
    return text;
}

// ---- Captions and message texts ----

std::optional<std::string> sideCaption(const TListNames& messages, bool hotSide, std::string_view typeFile,
                                       FlowLocation location)
{
    const auto side = messages.text(hotSide ? kMsgHotSide : kMsgColdSide);
    if (!side)
        return std::nullopt;
    if (!isTubularTypeFile(typeFile))
        return side;
    const auto where = messages.text(location == FlowLocation::Tubes ? kMsgInTubes : kMsgInShell);
    if (!where)
        return std::nullopt;
    return *side + " - " + *where;
}

std::vector<std::string> noResultLines(const TListNames& messages, std::string_view contact)
{
    std::vector<std::string> lines{messages.textOr(kMsgNoResult, ""), messages.textOr(kMsgNoResultHint, "")};
    if (contact == "Poland")
        lines.push_back(messages.textOr(kMsgContactPoland, ""));
    else if (contact == "Czech Republic")
        lines.push_back(messages.textOr(kMsgContactCzech, ""));
    return lines;
}

std::string vaporNoteText(const TListNames& messages, std::string_view designation)
{
    const std::string note = messages.textOr(kMsgVaporNote, "");
    if (note.empty() || designation.empty())
        return {};
    return note + " " + std::string(designation) + ".";
}

// ---- The result list ----

void ResultListState::setResults(const std::vector<TResultTypeB>* results)
{
    m_results = results;
    std::vector<std::string> lines;
    if (results)
        for (const TResultTypeB& r : *results)
            lines.push_back(r.SizeName);
    m_lines = std::move(lines);
    m_selected = m_lines.empty() ? -1 : 0;
    m_fresh = true;
}

void ResultListState::clear()
{
    m_results = nullptr;
    m_lines.clear();
    m_selected = -1;
}

void ResultListState::ResetSort()
{
    m_fresh = true;
    m_checked = SortItem::Type;
    m_arrowEnabled = false;
    m_captionEntry = kMsgSortedByType;
}

std::string ResultListState::selectedText() const
{
    return m_selected >= 0 ? m_lines[static_cast<std::size_t>(m_selected)] : std::string();
}

void ResultListState::refill(std::vector<std::string> lines)
{
    const std::string remembered = selectedText();
    m_lines = std::move(lines);
    m_selected = m_lines.empty() ? -1 : static_cast<int>(lineToSelect(m_lines, remembered));
}

void ResultListState::Sortbytype()
{
    if (!hasResults())
        return;
    m_arrowEnabled = false;
    m_captionEntry = kMsgSortedByType;
    std::vector<std::string> lines;
    for (const TResultTypeB& r : *m_results)
        lines.push_back(r.SizeName);
    refill(std::move(lines));
    m_fresh = false;
    m_checked = SortItem::Type;
}

void ResultListState::SortByValue(SortItem item)
{
    if (!hasResults() || item == SortItem::Type)
        return;
    m_arrowEnabled = true;
    SortKey key = SortKey::Oversize;
    switch (item) {
    case SortItem::Oversize:
        key = SortKey::Oversize;
        m_captionEntry = 15;
        break;
    case SortItem::Area:
        key = SortKey::Area;
        m_captionEntry = 16;
        break;
    case SortItem::Clean:
        key = SortKey::Clean;
        m_captionEntry = 17;
        break;
    case SortItem::Fouled:
    case SortItem::Type:
        key = SortKey::Fouled;
        m_captionEntry = 18;
        break;
    }
    // The first n results pair with the n lines; the list box never holds more lines than results.
    const std::size_t n = std::min(m_lines.size(), m_results->size());
    std::vector<std::string> lines;
    for (std::size_t i : SortResults(*m_results, n, key, m_arrowImage == 1))
        lines.push_back((*m_results)[i].SizeName);
    refill(std::move(lines));
    m_fresh = false;
    m_checked = item;
}

void ResultListState::SortArrowClick()
{
    m_arrowImage = m_arrowImage == 0 ? 1 : 0;
    if (m_checked != SortItem::Type)
        SortByValue(m_checked);
}

const TResultTypeB* ResultListState::resultForLine(int line) const
{
    if (!m_results || line < 0 || line >= static_cast<int>(m_lines.size()))
        return nullptr;
    const std::string& name = m_lines[static_cast<std::size_t>(line)];
    const TResultTypeB* found = nullptr;
    for (const TResultTypeB& r : *m_results)
        if (r.SizeName == name)
            found = &r;
    return found;
}

} // namespace velor
