// The type tree (families, type nodes, size leaves) and the rules that admit a ticked size into
// the selected-sizes list: kind of hot side, tube/shell arrangement and working limits. The GUI
// tree and list only mirror this model.
#pragma once

#include "base/programfolder.h"
#include "catalogue/catalogrecords.h"
#include "catalogue/catalogue.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

/// Kind of the duty's hot side (which hot-side page is active).
enum class HotSideKind
{
    Liquid,
    Condensing,
};

/// Where a fluid flows: "in Tubes/Coil" or "in Shell".
enum class FlowLocation
{
    Tubes,
    Shell,
};

/// The duty values the selection rules read.
struct SelectionDuty
{
    HotSideKind hotSide = HotSideKind::Liquid;
    long double tHotIn = 0;   ///< hot inlet, or vapor inlet temperature, deg.C
    long double tHotOut = 0;  ///< hot outlet, or condensate outlet temperature, deg.C
    long double tColdIn = 0;  ///< deg.C
    long double tColdOut = 0; ///< deg.C
    long double pHotIn = 0;   ///< hot (vapor) inlet pressure, kPa
    long double pColdIn = 0;  ///< cold inlet pressure, kPa
    FlowLocation hotLocation = FlowLocation::Tubes;
    FlowLocation coldLocation = FlowLocation::Shell;
};

/// The limit-test values of a duty: temperatures as they are, pressures converted from kPa to bar.
LimitDuty limitDutyOf(const SelectionDuty& duty);

/// Whether the hot-side kind and the arrangement admit a size named `sizeName` whose tree parent
/// is the type `parentCode` (the working limits are not looked at). Liquid hot side: every parent
/// but GT. Condensing hot side: refused under M, GV, E12, E57, PF*, PG*, PH*, RUV, RUV D, T, TD
/// (except the sizes "RUV 26.480" and "RUV D 26.480"); GT needs the hot side in the shell and the
/// cold side in the tubes, every other parent the hot side in the tubes and the cold side in the shell.
bool arrangementAdmits(const SelectionDuty& duty, std::string_view parentCode, std::string_view sizeName);

enum class TreeNodeKind
{
    Root,   ///< "All"
    Family, ///< "Shell & Tube", "Shell & Coil", "Brazed Plate"
    Type,   ///< a type code
    Size,   ///< a size name (added when the tree is built)
};

struct TypeTreeNode
{
    std::string text;
    TreeNodeKind kind = TreeNodeKind::Size;
    int parent = -1;
    std::vector<int> children;
    bool checked = false;
    bool red = false; ///< drawn in red (colour 255) after a failed pre-calculation check
};

/// The type tree: "All", the three families, the type nodes with a tree node, and size leaves.
/// Node ids are stable indexes; `itemOrder` gives the order in which the tree shows them.
class TypeTree
{
public:
    /// Builds the fixed part: "All" > "Shell & Tube" (M), "Shell & Coil" (ND ... RUV WD),
    /// "Brazed Plate" (PF10 ... PH150-2), without size leaves.
    TypeTree();

    int root() const { return 0; }
    std::size_t size() const { return m_nodes.size(); }
    const TypeTreeNode& node(int id) const { return m_nodes.at(static_cast<std::size_t>(id)); }
    TypeTreeNode& node(int id) { return m_nodes.at(static_cast<std::size_t>(id)); }

    /// All node ids in the tree's item order (depth first, children in insertion order).
    std::vector<int> itemOrder() const;
    /// The first node in item order whose text equals `text`, or −1.
    int findFirst(std::string_view text) const;
    /// Every type node whose text equals `code`, in item order.
    std::vector<int> typeNodes(std::string_view code) const;
    /// Appends a child to `parent` and returns its id.
    int addChild(int parent, std::string text, TreeNodeKind kind);
    /// Removes every size leaf (the fixed part stays).
    void clearSizes();

private:
    std::vector<TypeTreeNode> m_nodes;
};

/// The selected-sizes list and the rules that fill and prune it.
class SizeSelection
{
public:
    explicit SizeSelection(TParamRecList workingLimits = {});

    const TypeTree& tree() const { return m_tree; }
    /// The selected size names in the order they were ticked.
    const std::vector<std::string>& selected() const { return m_selected; }
    /// Replaces the selected list as a whole (loading a project, the New command). Tree check
    /// marks are set on the first node of each name.
    void setSelected(std::vector<std::string> names);

    const SelectionDuty& duty() const { return m_duty; }
    /// Sets the duty without rechecking (the caller calls `RecheckLimits`/`RecheckArrangement`).
    void setDuty(const SelectionDuty& duty) { m_duty = duty; }

    const TParamRecList& workingLimits() const { return m_limits; }
    void setWorkingLimits(TParamRecList limits) { m_limits = std::move(limits); }

    /// Adds the sizes of every type file that exists under `folder` (fixed type order) as leaves
    /// of the type nodes captioned with the type code, in file order. Replaces earlier leaves.
    void BuildTypeTree(const ProgramFolder& folder);

    /// True when a working-limit record that belongs to the size admits the current duty. A size
    /// without any belonging record (or with no limit file at all) is refused: nothing vouches
    /// for its temperatures and pressures.
    bool SizeWithinLimits(std::string_view sizeName) const;

    /// Changes the check box of a node as the tree control does: the node and, for a family or
    /// type node, every node below it; each leaf that changes is handled by `TreeNT1Checked`.
    void setChecked(int node, bool checked);

    /// Applies the tick or untick rules to a node whose check box has just changed.
    void TreeNT1Checked(int node);

    /// Unticks the selected sizes whose working limits no longer admit the duty.
    void RecheckLimits();
    /// Unticks the selected sizes that the hot-side kind and the arrangement no longer admit.
    void RecheckArrangement();

    /// Whether the caption "Heat Exchangers" is drawn red.
    bool captionRed() const { return m_captionRed; }
    /// Marks the caption and every tree node red (empty selection at the pre-calculation check).
    void markAllRed();
    /// Sets the caption and every node back to black.
    void clearRed();

    /// Called after every check-box change the model makes (node id, new state), so a view can follow.
    std::function<void(int node, bool checked)> onCheckChanged;

private:
    void setNodeChecked(int node, bool checked);
    void untick(int node);
    bool admittedNow(int node, bool withLimits) const;
    /// Walks the selected list from the last entry and unticks those `keep` refuses.
    void recheck(bool withLimits);

    TypeTree m_tree;
    std::vector<std::string> m_selected;
    TParamRecList m_limits;
    SelectionDuty m_duty;
    bool m_captionRed = false;
};

} // namespace velor
