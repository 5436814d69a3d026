// Field-by-field codecs of the working-limit, connection and technical-data records.
#include "catalogue/catalogrecords.h"

namespace velor {
namespace {

// TParamRec
constexpr std::size_t kParamName = 0;
constexpr std::size_t kParamMaxTempHot = 302;
constexpr std::size_t kParamMaxTempCold = 312;
constexpr std::size_t kParamMinTempHot = 322;
constexpr std::size_t kParamMinTempCold = 332;
constexpr std::size_t kParamMaxPressHot = 342;
constexpr std::size_t kParamMaxPressCold = 352;

// TDiamRec
constexpr std::size_t kDiamId = 0;
constexpr std::size_t kDiamName = 4;
constexpr std::size_t kDiamArea = 55;

// THERec
constexpr std::size_t kHEText = 100; // capacity of the 100-character strings
constexpr std::size_t kHEShort = 50; // capacity of the connection and dimension strings
constexpr std::size_t kHENameCapacity = 301;
constexpr std::size_t kHECatalogNumber = 0;
constexpr std::size_t kHEName = 101;
constexpr std::size_t kHESurfaceType = 403;
constexpr std::size_t kHEMaterial = 504;
constexpr std::size_t kHEDrawing = 605;
constexpr std::size_t kHEMaxTempHot = 706;
constexpr std::size_t kHEMaxTempCold = 716;
constexpr std::size_t kHEMinTempHot = 726;
constexpr std::size_t kHEMinTempCold = 736;
constexpr std::size_t kHEMaxPressHot = 746;
constexpr std::size_t kHEMaxPressCold = 756;
constexpr std::size_t kHEUnread1 = 766;
constexpr std::size_t kHEUnread2 = 776;
constexpr std::size_t kHESurfaceSize = 786;
constexpr std::size_t kHESurfaceArea = 796;
constexpr std::size_t kHEVolume1 = 806;
constexpr std::size_t kHEVolume2 = 816;
constexpr std::size_t kHEWeight = 826;
constexpr std::size_t kHEConnections = 836;
constexpr std::size_t kHEConnectionStride = 204;
constexpr std::size_t kHEMedia = 2876;
constexpr std::size_t kHEMediaStride = 303;
constexpr std::size_t kHEDimNames = 5906;
constexpr std::size_t kHEDimValues = 6365;
constexpr std::size_t kHEStandard = 6401;

std::size_t connectionAt(std::size_t g)
{
    return kHEConnections + kHEConnectionStride * g;
}
std::size_t mediaAt(std::size_t r)
{
    return kHEMedia + kHEMediaStride * r;
}

} // namespace

TParamRec decodeParamRec(const std::uint8_t* at, CodePage codePage)
{
    TParamRec r;
    r.Name = getShortString(at + kParamName, kParamNameCapacity, codePage);
    r.MaxTempHot = getExtended(at + kParamMaxTempHot);
    r.MaxTempCold = getExtended(at + kParamMaxTempCold);
    r.MinTempHot = getExtended(at + kParamMinTempHot);
    r.MinTempCold = getExtended(at + kParamMinTempCold);
    r.MaxPressHot = getExtended(at + kParamMaxPressHot);
    r.MaxPressCold = getExtended(at + kParamMaxPressCold);
    return r;
}

Bytes encodeParamRec(const TParamRec& record, CodePage codePage)
{
    Bytes b(kParamRecSize, 0);
    putShortString(b.data() + kParamName, kParamNameCapacity, record.Name, codePage);
    putExtended(b.data() + kParamMaxTempHot, record.MaxTempHot);
    putExtended(b.data() + kParamMaxTempCold, record.MaxTempCold);
    putExtended(b.data() + kParamMinTempHot, record.MinTempHot);
    putExtended(b.data() + kParamMinTempCold, record.MinTempCold);
    putExtended(b.data() + kParamMaxPressHot, record.MaxPressHot);
    putExtended(b.data() + kParamMaxPressCold, record.MaxPressCold);
    return b;
}

TDiamRec decodeDiamRec(const std::uint8_t* at, CodePage codePage)
{
    TDiamRec r;
    r.Id = getInt32(at + kDiamId);
    r.Name = getShortString(at + kDiamName, kDiamNameCapacity, codePage);
    r.Area = getExtended(at + kDiamArea);
    return r;
}

Bytes encodeDiamRec(const TDiamRec& record, CodePage codePage)
{
    Bytes b(kDiamRecSize, 0);
    putInt32(b.data() + kDiamId, record.Id);
    putShortString(b.data() + kDiamName, kDiamNameCapacity, record.Name, codePage);
    putExtended(b.data() + kDiamArea, record.Area);
    return b;
}

THERec decodeHERec(const std::uint8_t* at, CodePage codePage)
{
    THERec r;
    r.CatalogNumber = getShortString(at + kHECatalogNumber, kHEText, codePage);
    r.Name = getShortString(at + kHEName, kHENameCapacity, codePage);
    r.SurfaceType = getShortString(at + kHESurfaceType, kHEText, codePage);
    r.Material = getShortString(at + kHEMaterial, kHEText, codePage);
    r.Drawing = getShortString(at + kHEDrawing, kHEText, codePage);
    r.MaxTempHot = getExtended(at + kHEMaxTempHot);
    r.MaxTempCold = getExtended(at + kHEMaxTempCold);
    r.MinTempHot = getExtended(at + kHEMinTempHot);
    r.MinTempCold = getExtended(at + kHEMinTempCold);
    r.MaxPressHot = getExtended(at + kHEMaxPressHot);
    r.MaxPressCold = getExtended(at + kHEMaxPressCold);
    r.SurfaceSize = getExtended(at + kHESurfaceSize);
    r.SurfaceArea = getExtended(at + kHESurfaceArea);
    r.Volume1 = getExtended(at + kHEVolume1);
    r.Volume2 = getExtended(at + kHEVolume2);
    r.Weight = getExtended(at + kHEWeight);
    for (std::size_t g = 0; g < r.Connections.size(); ++g) {
        const std::uint8_t* c = at + connectionAt(g);
        THEConnection& conn = r.Connections[g];
        conn.ConnLabel = getShortString(c, kHEShort, codePage);
        conn.ConnType = getShortString(c + 51, kHEShort, codePage);
        conn.ConnMaterial = getShortString(c + 102, kHEShort, codePage);
        conn.ConnSize = getShortString(c + 153, kHEShort, codePage);
    }
    for (std::size_t i = 0; i < r.Media.size(); ++i) {
        const std::uint8_t* m = at + mediaAt(i);
        r.Media[i].MediumText1 = getShortString(m, kHEText, codePage);
        r.Media[i].MediumText2 = getShortString(m + 101, kHEText, codePage);
        r.Media[i].MediumLanguage = getShortString(m + 202, kHEText, codePage);
    }
    for (std::size_t k = 0; k < r.DimName.size(); ++k) {
        r.DimName[k] = getShortString(at + kHEDimNames + 51 * k, kHEShort, codePage);
        r.DimValue[k] = getInt32(at + kHEDimValues + 4 * k);
    }
    r.Standard = getBool(at + kHEStandard);
    return r;
}

Bytes encodeHERec(const THERec& record, CodePage codePage)
{
    Bytes b(kHERecSize, 0);
    std::uint8_t* at = b.data();
    putShortString(at + kHECatalogNumber, kHEText, record.CatalogNumber, codePage);
    putShortString(at + kHEName, kHENameCapacity, record.Name, codePage);
    putShortString(at + kHESurfaceType, kHEText, record.SurfaceType, codePage);
    putShortString(at + kHEMaterial, kHEText, record.Material, codePage);
    putShortString(at + kHEDrawing, kHEText, record.Drawing, codePage);
    putExtended(at + kHEMaxTempHot, record.MaxTempHot);
    putExtended(at + kHEMaxTempCold, record.MaxTempCold);
    putExtended(at + kHEMinTempHot, record.MinTempHot);
    putExtended(at + kHEMinTempCold, record.MinTempCold);
    putExtended(at + kHEMaxPressHot, record.MaxPressHot);
    putExtended(at + kHEMaxPressCold, record.MaxPressCold);
    putExtended(at + kHEUnread1, 0);
    putExtended(at + kHEUnread2, 0);
    putExtended(at + kHESurfaceSize, record.SurfaceSize);
    putExtended(at + kHESurfaceArea, record.SurfaceArea);
    putExtended(at + kHEVolume1, record.Volume1);
    putExtended(at + kHEVolume2, record.Volume2);
    putExtended(at + kHEWeight, record.Weight);
    for (std::size_t g = 0; g < record.Connections.size(); ++g) {
        std::uint8_t* c = at + connectionAt(g);
        const THEConnection& conn = record.Connections[g];
        putShortString(c, kHEShort, conn.ConnLabel, codePage);
        putShortString(c + 51, kHEShort, conn.ConnType, codePage);
        putShortString(c + 102, kHEShort, conn.ConnMaterial, codePage);
        putShortString(c + 153, kHEShort, conn.ConnSize, codePage);
    }
    for (std::size_t i = 0; i < record.Media.size(); ++i) {
        std::uint8_t* m = at + mediaAt(i);
        putShortString(m, kHEText, record.Media[i].MediumText1, codePage);
        putShortString(m + 101, kHEText, record.Media[i].MediumText2, codePage);
        putShortString(m + 202, kHEText, record.Media[i].MediumLanguage, codePage);
    }
    for (std::size_t k = 0; k < record.DimName.size(); ++k) {
        putShortString(at + kHEDimNames + 51 * k, kHEShort, record.DimName[k], codePage);
        putInt32(at + kHEDimValues + 4 * k, record.DimValue[k]);
    }
    putBool(at + kHEStandard, record.Standard);
    return b;
}

} // namespace velor
