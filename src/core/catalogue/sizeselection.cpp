// Type tree model and the tick, untick and recheck rules of the selected-sizes list.
#include "catalogue/sizeselection.h"

#include "catalogue/exchangertypes.h"
#include "units/units.h"

#include <algorithm>
#include <array>

namespace velor {
namespace {

struct FamilyBranch
{
    ExchangerFamily family;
    std::vector<std::string_view> codes; // in the order the tree shows them
};

// The tree's own layout. Under "Brazed Plate" the tree lists PG55 before PH90, unlike the fixed
// type order of the calculation.
const std::array<FamilyBranch, 3>& treeLayout()
{
    static const std::array<FamilyBranch, 3> layout{{
        {ExchangerFamily::ShellAndTube, {"M"}},
        {ExchangerFamily::ShellAndCoil, {"ND", "T", "TD", "TW", "TWD", "RUV", "RUV D", "RUV W", "RUV WD"}},
        {ExchangerFamily::BrazedPlate,
         {"PF10", "PF10-2", "PF20", "PF20-2", "PF30", "PF30-2", "PG25", "PG25-2", "PG40", "PG40-2", "PG55",
          "PG55-2", "PH90", "PH90-2", "PH150", "PH150-2"}},
    }};
    return layout;
}

// Parents under which a condensing duty is refused (apart from the two steam-rated sizes).
constexpr std::array<std::string_view, 24> kNoCondensingParents{
    "M",    "GV",     "E12",   "E57",     "PF10", "PF10-2", "PF20", "PF20-2",
    "PF30", "PF30-2", "PG25",  "PG25-2",  "PG40", "PG40-2", "PG55", "PG55-2",
    "PH90", "PH90-2", "PH150", "PH150-2", "RUV",  "RUV D",  "T",    "TD"};

constexpr std::array<std::string_view, 2> kSteamRatedSizes{"RUV 26.480", "RUV D 26.480"};

template<typename Range>
bool contains(const Range& range, std::string_view text)
{
    return std::find(std::begin(range), std::end(range), text) != std::end(range);
}

long double kPaToBar(long double kPa)
{
    static const int bar = unitIndex(Quantity::Pressure, "bar").value_or(baseUnitIndex(Quantity::Pressure));
    return convertFromBase(Quantity::Pressure, bar, kPa);
}

} // namespace

LimitDuty limitDutyOf(const SelectionDuty& duty)
{
    return LimitDuty{duty.tHotIn,   duty.tHotOut,          duty.tColdIn,
                     duty.tColdOut, kPaToBar(duty.pHotIn), kPaToBar(duty.pColdIn)};
}

bool arrangementAdmits(const SelectionDuty& duty, std::string_view parentCode, std::string_view sizeName)
{
    if (duty.hotSide == HotSideKind::Liquid)
        return parentCode != "GT";
    if (contains(kNoCondensingParents, parentCode) && !contains(kSteamRatedSizes, sizeName))
        return false;
    // A horizontal condenser takes the vapor in the shell; every other admitted type in the tubes/coil.
    if (parentCode == "GT")
        return duty.hotLocation == FlowLocation::Shell && duty.coldLocation == FlowLocation::Tubes;
    return duty.hotLocation == FlowLocation::Tubes && duty.coldLocation == FlowLocation::Shell;
}

// ---- TypeTree ----

TypeTree::TypeTree()
{
    m_nodes.push_back(TypeTreeNode{"All", TreeNodeKind::Root, -1, {}, false, false});
    for (const FamilyBranch& branch : treeLayout()) {
        const int family = addChild(root(), std::string(familyCaption(branch.family)), TreeNodeKind::Family);
        for (std::string_view code : branch.codes)
            addChild(family, std::string(code), TreeNodeKind::Type);
    }
}

int TypeTree::addChild(int parent, std::string text, TreeNodeKind kind)
{
    const int id = static_cast<int>(m_nodes.size());
    m_nodes.push_back(TypeTreeNode{std::move(text), kind, parent, {}, false, false});
    node(parent).children.push_back(id);
    return id;
}

std::vector<int> TypeTree::itemOrder() const
{
    std::vector<int> order;
    order.reserve(m_nodes.size());
    std::vector<int> stack{root()};
    while (!stack.empty()) {
        const int id = stack.back();
        stack.pop_back();
        order.push_back(id);
        const auto& children = node(id).children;
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back(*it);
    }
    return order;
}

int TypeTree::findFirst(std::string_view text) const
{
    for (int id : itemOrder())
        if (node(id).text == text)
            return id;
    return -1;
}

std::vector<int> TypeTree::typeNodes(std::string_view code) const
{
    std::vector<int> ids;
    for (int id : itemOrder())
        if (node(id).kind == TreeNodeKind::Type && node(id).text == code)
            ids.push_back(id);
    return ids;
}

void TypeTree::clearSizes()
{
    // Size leaves are appended after the fixed part, so dropping them keeps every other id.
    std::erase_if(m_nodes, [](const TypeTreeNode& n) { return n.kind == TreeNodeKind::Size; });
    for (TypeTreeNode& n : m_nodes)
        std::erase_if(n.children, [this](int child) { return child >= static_cast<int>(m_nodes.size()); });
}

// ---- SizeSelection ----

SizeSelection::SizeSelection(TParamRecList workingLimits) : m_limits(std::move(workingLimits)) {}

void SizeSelection::setSelected(std::vector<std::string> names)
{
    m_selected.clear();
    for (std::string& n : names)
        if (!contains(m_selected, n))
            m_selected.push_back(std::move(n));
    for (std::size_t id = 0; id < m_tree.size(); ++id) {
        const TypeTreeNode& n = m_tree.node(static_cast<int>(id));
        if (n.kind == TreeNodeKind::Size)
            setNodeChecked(static_cast<int>(id), contains(m_selected, n.text));
    }
}

void SizeSelection::BuildTypeTree(const ProgramFolder& folder)
{
    m_tree.clearSizes();
    for (const ExchangerType& type : exchangerTypes()) {
        if (!std::filesystem::exists(typeFilePath(folder, type.file)))
            continue;
        const std::vector<std::string> names = SizeNames(folder, type.file);
        if (names.empty())
            continue;
        for (int typeNode : m_tree.typeNodes(type.code))
            for (const std::string& name : names)
                m_tree.addChild(typeNode, name, TreeNodeKind::Size);
    }
}

bool SizeSelection::SizeWithinLimits(std::string_view sizeName) const
{
    const LimitDuty duty = limitDutyOf(m_duty);
    for (const TParamRec& r : m_limits)
        if (belongsToSize(r.Name, sizeName) && limitsAdmit(r, duty))
            return true;
    return false; // also when no record belongs to the size
}

void SizeSelection::setNodeChecked(int id, bool checked)
{
    TypeTreeNode& n = m_tree.node(id);
    if (n.checked == checked)
        return;
    n.checked = checked;
    if (onCheckChanged)
        onCheckChanged(id, checked);
}

void SizeSelection::setChecked(int id, bool checked)
{
    if (m_tree.node(id).checked != checked) {
        setNodeChecked(id, checked);
        TreeNT1Checked(id);
    }
    const std::vector<int> children = m_tree.node(id).children;
    for (int child : children)
        setChecked(child, checked);
}

void SizeSelection::untick(int id)
{
    setNodeChecked(id, false);
    TreeNT1Checked(id);
}

void SizeSelection::TreeNT1Checked(int id)
{
    const TypeTreeNode& n = m_tree.node(id);
    if (!n.checked) {
        if (n.children.empty())
            std::erase(m_selected, n.text);
        return;
    }
    const bool ignored = !n.children.empty() || n.kind != TreeNodeKind::Size ||
                         contains(m_selected, n.text) || findExchangerType(n.text) != nullptr;
    if (!ignored) {
        const std::string& parent = m_tree.node(n.parent).text;
        if (arrangementAdmits(m_duty, parent, n.text) && SizeWithinLimits(n.text))
            m_selected.push_back(n.text);
        else
            untick(id);
    }
    if (!m_selected.empty())
        clearRed();
}

bool SizeSelection::admittedNow(int id, bool withLimits) const
{
    const TypeTreeNode& n = m_tree.node(id);
    if (withLimits)
        return SizeWithinLimits(n.text);
    return arrangementAdmits(m_duty, m_tree.node(n.parent).text, n.text);
}

void SizeSelection::recheck(bool withLimits)
{
    // Each distinct entry is judged once, from the last to the first: unticking removes every copy
    // of a name, so walking the live list by index could step past its end.
    std::vector<std::string> entries;
    for (auto it = m_selected.rbegin(); it != m_selected.rend(); ++it)
        if (!contains(entries, *it))
            entries.push_back(*it);
    for (const std::string& entry : entries) {
        const int id = m_tree.findFirst(entry);
        if (id < 0 || m_tree.node(id).kind != TreeNodeKind::Size)
            continue; // no leaf of that name (e.g. a loaded GT size) or a type node: the entry stays
        if (!admittedNow(id, withLimits))
            untick(id);
    }
}

void SizeSelection::RecheckLimits()
{
    recheck(true);
}

void SizeSelection::RecheckArrangement()
{
    recheck(false);
}

void SizeSelection::markAllRed()
{
    m_captionRed = true;
    for (std::size_t id = 0; id < m_tree.size(); ++id)
        m_tree.node(static_cast<int>(id)).red = true;
}

void SizeSelection::clearRed()
{
    m_captionRed = false;
    for (std::size_t id = 0; id < m_tree.size(); ++id)
        m_tree.node(static_cast<int>(id)).red = false;
}

} // namespace velor
