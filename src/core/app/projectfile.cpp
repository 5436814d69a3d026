// The project file (*.dca): field codec of both record layouts, reader and writer.
#include "app/projectfile.h"

#include "base/recordfile.h"
#include "directory/directory.h"

#include <system_error>

namespace velor {
namespace {

constexpr std::size_t kShortCapacity = 100; // Str[100]
constexpr std::size_t kNoteCapacity = 200;  // Str[200] of the condenser note
constexpr std::size_t kReservedOffset = 1422;
/// First offset that moves between the layouts: the earlier layout has no designation here, so
/// every field from this offset on lies 101 bytes lower.
constexpr std::size_t kDesignationEnd = 3031;
constexpr std::size_t kDesignationShift = 101;

/// Visits every field of the record with its offset in the current layout. The same table drives
/// encoding and decoding, so the two cannot disagree about an offset.
template<typename Rec, typename Visitor>
void visitFields(Rec& r, Visitor&& v)
{
    v.dbl(0, r.Date);
    v.str(8, kShortCapacity, r.ProjectName);
    v.str(109, kShortCapacity, r.CalcNo);
    v.str(210, kShortCapacity, r.PreparedBy);
    v.str(311, kShortCapacity, r.CustomerName);
    v.str(412, kShortCapacity, r.Description);
    v.str(513, kShortCapacity, r.Street);
    v.str(614, kShortCapacity, r.Zip);
    v.str(715, kShortCapacity, r.City);
    v.str(816, kShortCapacity, r.State);
    v.str(917, kShortCapacity, r.Country);
    v.str(1018, kShortCapacity, r.Phone);
    v.str(1119, kShortCapacity, r.Fax);
    v.str(1220, kShortCapacity, r.Email);
    v.str(1321, kShortCapacity, r.HomePage);
    // 1422: reserved Str[100], neither written nor read.
    v.str(1523, kShortCapacity, r.ContactLastName);
    v.str(1624, kShortCapacity, r.ContactFirstName);
    v.str(1725, kShortCapacity, r.ContactPhone);
    v.str(1826, kShortCapacity, r.ContactMobile);
    v.str(1927, kShortCapacity, r.ContactEmail);
    v.str(2028, kShortCapacity, r.FluidHS);
    v.str(2129, kShortCapacity, r.FluidCS);

    v.ext(2230, r.HeatLoad);
    v.ext(2240, r.UnitsInSeries);
    v.ext(2250, r.UnitsInParallel);
    v.ext(2260, r.MinOversizing);
    v.ext(2270, r.FoulingFactor);
    v.ext(2280, r.ResultFoulingFactor);
    v.ext(2290, r.PressureHS);
    v.ext(2300, r.TempInHS);
    v.ext(2310, r.MassFlowHS);
    v.ext(2320, r.VolFlowInHS);
    v.ext(2330, r.TempOutHS);
    v.ext(2340, r.VolFlowOutHS);
    v.ext(2350, r.PressDropMinHS);
    v.ext(2360, r.PressDropMaxHS);
    v.ext(2370, r.PressureCS);
    v.ext(2380, r.TempInCS);
    v.ext(2390, r.MassFlowCS);
    v.ext(2400, r.VolFlowInCS);
    v.ext(2410, r.TempOutCS);
    v.ext(2420, r.VolFlowOutCS);
    v.ext(2430, r.PressDropMinCS);
    v.ext(2440, r.PressDropMaxCS);

    v.i32(2450, r.UnitHeatLoad);
    v.i32(2454, r.UnitFoulingInput);
    v.i32(2458, r.UnitFoulingResult);
    v.i32(2462, r.UnitPressureHS);
    v.i32(2466, r.UnitTempInHS);
    v.i32(2470, r.UnitMassFlowHS);
    v.i32(2474, r.UnitVolFlowInHS);
    v.i32(2478, r.UnitTempOutHS);
    v.i32(2482, r.UnitVolFlowOutHS);
    v.i32(2486, r.UnitPressDropMinHS);
    v.i32(2490, r.UnitPressDropMaxHS);
    v.i32(2494, r.UnitPressureCS);
    v.i32(2498, r.UnitTempInCS);
    v.i32(2502, r.UnitMassFlowCS);
    v.i32(2506, r.UnitVolFlowInCS);
    v.i32(2510, r.UnitTempOutCS);
    v.i32(2514, r.UnitVolFlowOutCS);
    v.i32(2518, r.UnitPressDropMinCS);
    v.i32(2522, r.UnitPressDropMaxCS);

    v.str(2526, kShortCapacity, r.SizeName);
    v.str(2627, kShortCapacity, r.SideHS);
    v.str(2728, kShortCapacity, r.SideCS);
    v.str(2829, kShortCapacity, r.TypeFile);
    v.designation(2930, kShortCapacity, r.TechDataName);

    auto& res = r.Result;
    std::size_t at = 3031;
    for (auto* value : {&res.Area,        &res.LMTD,        &res.OHTCClean,   &res.OHTCFouled,
                        &res.Oversize,    &res.PressDropHS, &res.PressDropCS, &res.AlphaHS,
                        &res.AlphaCS,     &res.ReynoldsHS,  &res.ReynoldsCS,  &res.PrandtlHS,
                        &res.PrandtlCS,   &res.NusseltHS,   &res.NusseltCS, // 3031: 15 values
                        &res.InVelConHS,  &res.OutVelConHS, &res.VelTubeSpHS, &res.InVelConCS,
                        &res.OutVelConCS,
                        &res.VelTubeSpCS,                // 3181: 6 velocities
                        &res.NTUHS,       &res.NTUCS}) { // 3241: 2 NTU values
        v.ext(at, *value);
        at += kExtendedSize;
    }
    v.marker(3261);
    v.byte(3262, r.Tubular);
    v.i32(3263, r.KindHS);
    v.i32(3267, r.KindCS);
    v.str(3271, kNoteCapacity, r.CondenserNote);
}

/// Maps an offset of the current layout to `layout`.
std::size_t place(std::size_t offset, ProjectLayout layout)
{
    return layout == ProjectLayout::Earlier && offset >= kDesignationEnd ? offset - kDesignationShift
                                                                         : offset;
}

struct Encoder
{
    std::uint8_t* out;
    CodePage codePage;

    void dbl(std::size_t at, double value) { putDouble(out + at, value); }
    void str(std::size_t at, std::size_t capacity, const std::string& text)
    {
        putShortString(out + at, capacity, text, codePage);
    }
    void designation(std::size_t at, std::size_t capacity, const std::string& text)
    {
        str(at, capacity, text);
    }
    void ext(std::size_t at, long double value) { putExtended(out + at, value); }
    void i32(std::size_t at, std::int32_t value) { putInt32(out + at, value); }
    void byte(std::size_t at, std::uint8_t value) { out[at] = value; }
    void marker(std::size_t at) { out[at] = 1; }
};

struct Decoder
{
    const std::uint8_t* in;
    ProjectLayout layout;
    CodePage codePage;

    const std::uint8_t* field(std::size_t at) const { return in + place(at, layout); }
    void dbl(std::size_t at, double& value) { value = getDouble(field(at)); }
    void str(std::size_t at, std::size_t capacity, std::string& text)
    {
        text = getShortString(field(at), capacity, codePage);
    }
    void designation(std::size_t at, std::size_t capacity, std::string& text)
    {
        if (layout == ProjectLayout::Current)
            str(at, capacity, text);
        else
            text.clear();
    }
    void ext(std::size_t at, long double& value) { value = getExtended(field(at)); }
    void i32(std::size_t at, std::int32_t& value) { value = getInt32(field(at)); }
    void byte(std::size_t at, std::uint8_t& value) { value = *field(at); }
    void marker(std::size_t) {}
};

std::size_t layoutSize(ProjectLayout layout)
{
    return layout == ProjectLayout::Current ? kProjectRecordSize : kEarlierProjectRecordSize;
}

} // namespace

Bytes encodeProjectRecord(const TProjectFileRec& rec, CodePage codePage)
{
    Bytes out(kProjectRecordSize, 0);
    static_assert(kReservedOffset + kShortCapacity + 1 == 1523,
                  "reserved field ends where the contact begins");
    visitFields(rec, Encoder{out.data(), codePage});
    return out;
}

std::optional<TProjectFileRec> decodeProjectRecord(const Bytes& data, ProjectLayout layout, CodePage codePage)
{
    if (data.size() < layoutSize(layout))
        return std::nullopt;
    TProjectFileRec rec;
    visitFields(rec, Decoder{data.data(), layout, codePage});
    return rec;
}

Result<ProjectFileContents> decodeProjectFile(const Bytes& data, CodePage codePage)
{
    for (ProjectLayout layout : {ProjectLayout::Current, ProjectLayout::Earlier})
        if (auto rec = decodeProjectRecord(data, layout, codePage))
            return ProjectFileContents{std::move(*rec), layout};
    return Error{"not a project file: " + std::to_string(data.size()) + " bytes, at least " +
                 std::to_string(kEarlierProjectRecordSize) + " expected"};
}

Result<ProjectFileContents> loadProjectFile(const std::filesystem::path& path, CodePage codePage)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return Error{"cannot open " + path.string() + ": no such file"};
    const auto data = readWholeFile(path);
    if (!data)
        return Error{"cannot read " + path.string()};
    auto contents = decodeProjectFile(*data, codePage);
    if (!contents)
        return Error{path.string() + ": " + contents.error().message};
    return contents;
}

Status saveProjectFile(const std::filesystem::path& path, const TProjectFileRec& rec, CodePage codePage)
{
    // Replacing by rename would pass over a read-only file silently; a read-only project is kept.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) &&
        (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return Error{"cannot write " + path.string() + ": the file is read-only"};
    return replaceFile(path, encodeProjectRecord(rec, codePage));
}

TProjectFileRec withoutResult(const TProjectFileRec& rec)
{
    TProjectFileRec out;
    out.Date = rec.Date;
    for (auto member :
         {&TProjectFileRec::ProjectName, &TProjectFileRec::CalcNo, &TProjectFileRec::PreparedBy,
          &TProjectFileRec::CustomerName, &TProjectFileRec::Description, &TProjectFileRec::Street,
          &TProjectFileRec::Zip, &TProjectFileRec::City, &TProjectFileRec::State, &TProjectFileRec::Country,
          &TProjectFileRec::Phone, &TProjectFileRec::Fax, &TProjectFileRec::Email, &TProjectFileRec::HomePage,
          &TProjectFileRec::ContactLastName, &TProjectFileRec::ContactFirstName,
          &TProjectFileRec::ContactPhone, &TProjectFileRec::ContactMobile, &TProjectFileRec::ContactEmail})
        out.*member = rec.*member;
    for (auto member : {&TProjectFileRec::UnitHeatLoad,
                        &TProjectFileRec::UnitFoulingInput,
                        &TProjectFileRec::UnitFoulingResult,
                        &TProjectFileRec::UnitPressureHS,
                        &TProjectFileRec::UnitTempInHS,
                        &TProjectFileRec::UnitMassFlowHS,
                        &TProjectFileRec::UnitVolFlowInHS,
                        &TProjectFileRec::UnitTempOutHS,
                        &TProjectFileRec::UnitVolFlowOutHS,
                        &TProjectFileRec::UnitPressDropMinHS,
                        &TProjectFileRec::UnitPressDropMaxHS,
                        &TProjectFileRec::UnitPressureCS,
                        &TProjectFileRec::UnitTempInCS,
                        &TProjectFileRec::UnitMassFlowCS,
                        &TProjectFileRec::UnitVolFlowInCS,
                        &TProjectFileRec::UnitTempOutCS,
                        &TProjectFileRec::UnitVolFlowOutCS,
                        &TProjectFileRec::UnitPressDropMinCS,
                        &TProjectFileRec::UnitPressDropMaxCS,
                        &TProjectFileRec::KindHS,
                        &TProjectFileRec::KindCS})
        out.*member = rec.*member;
    out.UnitsInSeries = rec.UnitsInSeries;
    out.UnitsInParallel = rec.UnitsInParallel;
    out.MinOversizing = rec.MinOversizing;
    out.Tubular = 1;
    return out;
}

std::string condenserNote(const std::string& prefix, const std::string& designation)
{
    if (prefix.empty() || designation.empty())
        return {};
    return prefix + " " + designation + ".";
}

std::string techDataDesignation(const std::string& exchangerTypeText)
{
    // The field shows Name + " (" + CatalogNumber + ")": the designation is the whole text of the
    // last bracket, so that it matches the catalogue number again when the project is opened.
    const auto open = exchangerTypeText.rfind('(');
    if (open == std::string::npos)
        return {};
    const auto close = exchangerTypeText.find(')', open + 1);
    const std::string inside =
        exchangerTypeText.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    // Never more than the record's field holds.
    return cutToCharacters(inside, kShortCapacity);
}

std::optional<bool> hotSideInTubes(const std::string& sideHS, const std::string& sideCS)
{
    if (sideHS == kSideTubes || sideCS == kSideShell)
        return true;
    if (sideHS == kSideShell || sideCS == kSideTubes)
        return false;
    return std::nullopt;
}

} // namespace velor
