// Moving the selected result and the customer between a project record and other records.
#include "app/projectresult.h"

namespace velor {
namespace {

struct Pair
{
    long double ProjectResultValues::*saved;
    long double TResultTypeB::*result;
};

// The saved values and the result fields they come from.
constexpr Pair kPairs[] = {
    {&ProjectResultValues::Area, &TResultTypeB::Area},
    {&ProjectResultValues::LMTD, &TResultTypeB::LMTD},
    {&ProjectResultValues::OHTCClean, &TResultTypeB::OHTCClean},
    {&ProjectResultValues::OHTCFouled, &TResultTypeB::OHTCFouled},
    {&ProjectResultValues::Oversize, &TResultTypeB::Oversize},
    {&ProjectResultValues::PressDropHS, &TResultTypeB::PressDropHS},
    {&ProjectResultValues::PressDropCS, &TResultTypeB::PressDropCS},
    {&ProjectResultValues::AlphaHS, &TResultTypeB::AlphaHS},
    {&ProjectResultValues::AlphaCS, &TResultTypeB::AlphaCS},
    {&ProjectResultValues::ReynoldsHS, &TResultTypeB::ReynoldsHS},
    {&ProjectResultValues::ReynoldsCS, &TResultTypeB::ReynoldsCS},
    {&ProjectResultValues::PrandtlHS, &TResultTypeB::PrandtlHS},
    {&ProjectResultValues::PrandtlCS, &TResultTypeB::PrandtlCS},
    {&ProjectResultValues::NusseltHS, &TResultTypeB::NusseltHS},
    {&ProjectResultValues::NusseltCS, &TResultTypeB::NusseltCS},
    {&ProjectResultValues::InVelConHS, &TResultTypeB::InVelConHS},
    {&ProjectResultValues::OutVelConHS, &TResultTypeB::OutVelConHS},
    {&ProjectResultValues::VelTubeSpHS, &TResultTypeB::VelTubeSpHS},
    {&ProjectResultValues::InVelConCS, &TResultTypeB::InVelConCS},
    {&ProjectResultValues::OutVelConCS, &TResultTypeB::OutVelConCS},
    {&ProjectResultValues::VelTubeSpCS, &TResultTypeB::VelTubeSpCS},
    {&ProjectResultValues::NTUHS, &TResultTypeB::NTUHS},
    {&ProjectResultValues::NTUCS, &TResultTypeB::NTUCS},
};

} // namespace

void storeResult(TProjectFileRec& rec, const TResultTypeB& result)
{
    rec.SizeName = result.SizeName;
    rec.TypeFile = result.TypeFile;
    for (const Pair& p : kPairs)
        rec.Result.*p.saved = result.*p.result;
    rec.ResultFoulingFactor = result.FoulingFactor;
    rec.Tubular = result.Tubular;
}

TResultTypeB restoredResult(const TProjectFileRec& rec)
{
    TResultTypeB result;
    result.SizeName = rec.SizeName;
    result.TypeFile = rec.TypeFile;
    result.TechDataName = rec.TechDataName;
    for (const Pair& p : kPairs)
        result.*p.result = rec.Result.*p.saved;
    result.FoulingFactor = rec.ResultFoulingFactor;
    result.VapVelConHS = 0;
    result.Tubular = rec.Tubular;
    return result;
}

TCustomerRec customerOf(const TProjectFileRec& rec)
{
    TCustomerRec c;
    c.CustomerName = rec.CustomerName;
    c.Description = rec.Description;
    c.Street = rec.Street;
    c.Zip = rec.Zip;
    c.City = rec.City;
    c.State = rec.State;
    c.Country = rec.Country;
    c.Phone = rec.Phone;
    c.Fax = rec.Fax;
    c.Email = rec.Email;
    c.HomePage = rec.HomePage;
    return c;
}

} // namespace velor
