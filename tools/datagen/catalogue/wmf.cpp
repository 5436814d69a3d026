// Placeable Windows metafile writer of the technical-data drawings.
#include "wmf.h"

#include <algorithm>
#include <cmath>

namespace velor::datagen {
namespace {

constexpr double kUnitsPerMm = 1440.0 / 25.4;

// Record functions.
constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kCreatePen = 0x02FA;
constexpr std::uint16_t kCreateFont = 0x02FB;
constexpr std::uint16_t kCreateBrush = 0x02FC;
constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kEllipse = 0x0418;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kRoundRect = 0x061C;

constexpr std::uint16_t kAnisotropic = 8;
constexpr std::uint16_t kTransparent = 1;
constexpr std::uint16_t kTaLeft = 0, kTaRight = 2, kTaCenter = 6, kTaBaseline = 24;

// Object table: 0 the hollow brush, 1 the font; pens alternate between slots 2 and 3 (a new pen
// takes the lowest free slot, and the previous one is deleted only after the new one is selected).
constexpr std::uint16_t kBrushSlot = 0;
constexpr std::uint16_t kFontSlot = 1;
constexpr std::uint16_t kObjectCount = 4;

std::uint16_t word(std::int16_t v)
{
    return static_cast<std::uint16_t>(v);
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

Metafile::Metafile(double width, double height, double textMm) : m_width(width), m_height(height)
{
    add(kSetMapMode, {kAnisotropic});
    add(kSetWindowOrg, {0, 0});
    add(kSetWindowExt, {word(unit(height)), word(unit(width))});
    add(kSetBkMode, {kTransparent});
    // Hollow brush: shapes are outlines only.
    add(kCreateBrush, {1, 0, 0, 0});
    add(kSelectObject, {kBrushSlot});
    // Font: negative height = character height; normal weight; face name "Arial" in 32 bytes.
    std::vector<std::uint16_t> font = {
        word(static_cast<std::int16_t>(-unit(textMm))), 0, 0, 0, 400, 0, 0, 0, 0};
    const std::string face = "Arial";
    std::vector<std::uint8_t> name(32, 0);
    std::copy(face.begin(), face.end(), name.begin());
    for (std::size_t i = 0; i < name.size(); i += 2)
        font.push_back(static_cast<std::uint16_t>(name[i] | (name[i + 1] << 8)));
    add(kCreateFont, font);
    add(kSelectObject, {kFontSlot});
    selectPen(Stroke::Solid);
}

std::int16_t Metafile::unit(double mm) const
{
    return static_cast<std::int16_t>(std::lround(mm * kUnitsPerMm));
}

void Metafile::add(std::uint16_t function, std::vector<std::uint16_t> params)
{
    m_records.push_back({function, std::move(params)});
}

void Metafile::selectPen(Stroke stroke)
{
    if (m_penObject >= 0 && stroke == m_pen)
        return;
    const std::uint16_t slot = m_penObject == 2 ? 3 : 2;
    const std::uint16_t style = stroke == Stroke::Dashed ? 1 : 0;
    const std::int16_t width = stroke == Stroke::Solid ? unit(0.35) : 0; // 0 = one device pixel
    add(kCreatePen, {style, word(width), 0, 0, 0});
    add(kSelectObject, {slot});
    if (m_penObject >= 0)
        add(kDeleteObject, {static_cast<std::uint16_t>(m_penObject)});
    m_penObject = slot;
    m_pen = stroke;
}

void Metafile::polyline(const std::vector<Pt>& points, Stroke stroke)
{
    selectPen(stroke);
    std::vector<std::uint16_t> p = {static_cast<std::uint16_t>(points.size())};
    for (const Pt& pt : points) {
        p.push_back(word(unit(pt.x)));
        p.push_back(word(unit(pt.y)));
    }
    add(kPolyline, std::move(p));
}

void Metafile::line(Pt a, Pt b, Stroke stroke)
{
    polyline({a, b}, stroke);
}

void Metafile::rectangle(Pt tl, Pt br, Stroke stroke)
{
    selectPen(stroke);
    add(kRectangle, {word(unit(br.y)), word(unit(br.x)), word(unit(tl.y)), word(unit(tl.x))});
}

void Metafile::roundRect(Pt tl, Pt br, double cornerMm, Stroke stroke)
{
    selectPen(stroke);
    const std::int16_t c = unit(2 * cornerMm);
    add(kRoundRect,
        {word(c), word(c), word(unit(br.y)), word(unit(br.x)), word(unit(tl.y)), word(unit(tl.x))});
}

void Metafile::ellipse(Pt c, double rx, double ry, Stroke stroke)
{
    selectPen(stroke);
    add(kEllipse, {word(unit(c.y + ry)), word(unit(c.x + rx)), word(unit(c.y - ry)), word(unit(c.x - rx))});
}

void Metafile::text(Pt at, const std::string& s, Anchor anchor)
{
    const std::uint16_t horizontal = anchor == Anchor::Left    ? kTaLeft
                                     : anchor == Anchor::Right ? kTaRight
                                                               : kTaCenter;
    add(kSetTextAlign, {static_cast<std::uint16_t>(horizontal | kTaBaseline)});
    std::vector<std::uint16_t> p = {static_cast<std::uint16_t>(s.size())};
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(s[i]);
        const auto hi = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0u;
        p.push_back(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    p.push_back(word(unit(at.y)));
    p.push_back(word(unit(at.x)));
    add(kTextOut, std::move(p));
}

void Metafile::arrow(Pt from, Pt to, Stroke stroke)
{
    line(from, to, stroke);
    const double len = std::hypot(to.x - from.x, to.y - from.y);
    if (len <= 0)
        return;
    const double ux = (to.x - from.x) / len, uy = (to.y - from.y) / len;
    const double head = 1.6, half = 0.6;
    polyline({{to.x - head * ux - half * uy, to.y - head * uy + half * ux},
              to,
              {to.x - head * ux + half * uy, to.y - head * uy - half * ux}},
             Stroke::Thin);
}

void Metafile::dimension(Pt a, Pt b, double offset, const std::string& label)
{
    const bool horizontal = std::fabs(b.y - a.y) < std::fabs(b.x - a.x);
    Pt da = a, db = b;
    if (horizontal) {
        da.y = db.y = std::min(a.y, b.y) + offset;
        line(a, {a.x, da.y + (offset > 0 ? 1 : -1)}, Stroke::Thin);
        line(b, {b.x, db.y + (offset > 0 ? 1 : -1)}, Stroke::Thin);
    } else {
        da.x = db.x = std::min(a.x, b.x) + offset;
        line(a, {da.x + (offset > 0 ? 1 : -1), a.y}, Stroke::Thin);
        line(b, {db.x + (offset > 0 ? 1 : -1), b.y}, Stroke::Thin);
    }
    const Pt mid{(da.x + db.x) / 2, (da.y + db.y) / 2};
    arrow(mid, da, Stroke::Thin);
    arrow(mid, db, Stroke::Thin);
    if (horizontal)
        text({mid.x, mid.y - 0.8}, label);
    else
        text({mid.x - 1.0, mid.y + 1.0}, label, Anchor::Right);
}

std::vector<std::uint8_t> Metafile::bytes() const
{
    std::vector<Record> records = m_records;
    records.push_back({kEof, {}});
    std::uint32_t words = 9, maxRecord = 0;
    for (const Record& r : records) {
        const auto size = static_cast<std::uint32_t>(3 + r.params.size());
        words += size;
        maxRecord = std::max(maxRecord, size);
    }

    std::vector<std::uint8_t> out;
    // Placeable header: key, handle 0, bounding box, units per inch, reserved, checksum.
    put32(out, 0x9AC6CDD7u);
    put16(out, 0);
    put16(out, 0);
    put16(out, 0);
    put16(out, word(unit(m_width)));
    put16(out, word(unit(m_height)));
    put16(out, 1440);
    put32(out, 0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= static_cast<std::uint16_t>(out[i] | (out[i + 1] << 8));
    put16(out, checksum);
    // Metafile header: memory metafile, 9 words, version 3.0, size, objects, largest record.
    put16(out, 1);
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, words);
    put16(out, kObjectCount);
    put32(out, maxRecord);
    put16(out, 0);
    for (const Record& r : records) {
        put32(out, static_cast<std::uint32_t>(3 + r.params.size()));
        put16(out, r.function);
        for (std::uint16_t p : r.params)
            put16(out, p);
    }
    return out;
}

} // namespace velor::datagen
